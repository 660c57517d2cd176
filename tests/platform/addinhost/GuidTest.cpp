// Identifiers as the registry writes them: read in either letter case, written in upper case.
#include "platform/addinhost/Guid.h"

#include <gtest/gtest.h>

namespace {

using addinhost::Guid;

TEST(Guid, ReadsAndWritesTheBracedForm) {
    constexpr Guid extensibility = addinhost::guid("{b65ad801-abaf-11d0-bb8b-00a0c90f2744}");
    static_assert(extensibility.data1 == 0xB65AD801 && extensibility.data2 == 0xABAF &&
                  extensibility.data3 == 0x11D0 && extensibility.data4[0] == 0xBB &&
                  extensibility.data4[7] == 0x44);
    EXPECT_EQ(extensibility.toString(), "{B65AD801-ABAF-11D0-BB8B-00A0C90F2744}");
    EXPECT_EQ(Guid::parse(extensibility.toString()), extensibility);
    EXPECT_EQ(Guid{}.toString(), "{00000000-0000-0000-0000-000000000000}");
    EXPECT_NE(addinhost::guid("{97BF2852-A07B-422D-86C2-14CA5F2B512A}"),
              addinhost::guid("{97BF2852-A07B-422D-86C2-14CA5F2B512B}"));
}

TEST(Guid, AnyOtherTextIsNoIdentifier) {
    for (const char* text :
         {"", "B65AD801-ABAF-11D0-BB8B-00A0C90F2744", "{B65AD801-ABAF-11D0-BB8B-00A0C90F2744",
          "{B65AD801-ABAF-11D0-BB8B-00A0C90F27440}", "{B65AD801+ABAF-11D0-BB8B-00A0C90F2744}",
          "{B65AD80G-ABAF-11D0-BB8B-00A0C90F2744}", "{B65AD801-ABAF-11D0-BB8B-00A0C90F274 }",
          "(B65AD801-ABAF-11D0-BB8B-00A0C90F2744)"})
        EXPECT_FALSE(Guid::parse(text)) << text;
}

} // namespace
