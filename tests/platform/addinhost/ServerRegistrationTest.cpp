// The registry entries of an in-process server's class: written in full, read back by ProgID, and
// taken away without touching the entries of other classes.
#include "platform/addinhost/ServerRegistration.h"
#include "platform/addinhost/Error.h"
#include "platform/registry/Registry.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using registry::Root;

addinhost::ClassRegistration wordEntries(const std::string& path) {
    return {addinhost::guid("{97BF2852-A07B-422D-86C2-14CA5F2B512A}"),
            "MSAddins.Dqxhand",
            addinhost::guid("{AB7A67A5-6F30-4D1E-B6E4-7D0934272444}"),
            "_Dqxhand",
            addinhost::guid("{E6617660-B937-4032-83B3-F46F886946C6}"),
            "MSAddins",
            "1.0",
            0x409,
            path};
}

class ServerRegistrationTest : public ::testing::Test {
protected:
    std::string defaultOf(const std::string& keyPath) {
        std::optional<registry::Key> key = store.openKey(Root::ClassesRoot, keyPath);
        return key ? key->readString("") : "(no key)";
    }

    testsupport::TempFolder folder;
    registry::Registry store{folder.file("registry.reg")};
};

TEST_F(ServerRegistrationTest, RegisteringWritesTheClassProgIdInterfaceAndTypeLibrary) {
    addinhost::registerClass(store, wordEntries("/opt/dqx/lib/libDqxhand_ms.so"));
    const std::string clsid = "CLSID\\{97BF2852-A07B-422D-86C2-14CA5F2B512A}";
    EXPECT_EQ(defaultOf("MSAddins.Dqxhand"), "MSAddins.Dqxhand");
    EXPECT_EQ(defaultOf("MSAddins.Dqxhand\\CLSID"), "{97BF2852-A07B-422D-86C2-14CA5F2B512A}");
    EXPECT_EQ(defaultOf(clsid), "MSAddins.Dqxhand");
    EXPECT_EQ(defaultOf(clsid + "\\InprocServer32"), "/opt/dqx/lib/libDqxhand_ms.so");
    EXPECT_EQ(store.openKey(Root::ClassesRoot, clsid + "\\InprocServer32")->readString("ThreadingModel"),
              "Apartment");
    EXPECT_EQ(defaultOf(clsid + "\\ProgID"), "MSAddins.Dqxhand");
    EXPECT_TRUE(store.keyExists(Root::ClassesRoot, clsid + "\\Programmable"));
    EXPECT_EQ(defaultOf(clsid + "\\TypeLib"), "{E6617660-B937-4032-83B3-F46F886946C6}");
    EXPECT_EQ(defaultOf(clsid + "\\VERSION"), "1.0");
    const std::string iid = "Interface\\{AB7A67A5-6F30-4D1E-B6E4-7D0934272444}";
    EXPECT_EQ(defaultOf(iid), "_Dqxhand");
    EXPECT_EQ(defaultOf(iid + "\\TypeLib"), "{E6617660-B937-4032-83B3-F46F886946C6}");
    EXPECT_EQ(store.openKey(Root::ClassesRoot, iid + "\\TypeLib")->readString("Version"), "1.0");
    const std::string typeLib = "TypeLib\\{E6617660-B937-4032-83B3-F46F886946C6}\\1.0";
    EXPECT_EQ(defaultOf(typeLib), "MSAddins");
    EXPECT_EQ(defaultOf(typeLib + "\\409\\linux"), "/opt/dqx/lib/libDqxhand_ms.so");
    EXPECT_EQ(defaultOf(typeLib + "\\FLAGS"), "0");
    EXPECT_EQ(defaultOf(typeLib + "\\HELPDIR"), "/opt/dqx/lib");

    // Another reader of the store finds the class by its ProgID and its server by the class.
    registry::Registry reader(folder.file("registry.reg"));
    std::optional<addinhost::Guid> classId = addinhost::classOfProgId(reader, "msaddins.dqxhand");
    ASSERT_TRUE(classId);
    EXPECT_EQ(*classId, wordEntries("").classId);
    EXPECT_EQ(addinhost::inprocServerOf(reader, *classId), "/opt/dqx/lib/libDqxhand_ms.so");
}

TEST_F(ServerRegistrationTest, RegisteringAgainReplacesWhatWasThereAndUnregisteringLeavesOthersAlone) {
    store.createKey(Root::ClassesRoot, "CLSID\\{00000000-1111-2222-3333-444444444444}\\InprocServer32")
        .writeString("", "/usr/lib/other.so");
    store.createKey(Root::ClassesRoot, "Other.Class\\CLSID")
        .writeString("", "{00000000-1111-2222-3333-444444444444}");
    addinhost::registerClass(store, wordEntries("/old/libDqxhand_ms.so"));
    store.createKey(Root::ClassesRoot, "CLSID\\{97BF2852-A07B-422D-86C2-14CA5F2B512A}\\Stale")
        .writeString("", "x");
    addinhost::registerClass(store, wordEntries("/new/libDqxhand_ms.so"));
    EXPECT_FALSE(store.keyExists(Root::ClassesRoot, "CLSID\\{97BF2852-A07B-422D-86C2-14CA5F2B512A}\\Stale"));
    EXPECT_EQ(addinhost::inprocServerOf(store, wordEntries("").classId), "/new/libDqxhand_ms.so");

    addinhost::unregisterClass(store, wordEntries("/new/libDqxhand_ms.so"));
    for (const char* gone : {"MSAddins.Dqxhand", "CLSID\\{97BF2852-A07B-422D-86C2-14CA5F2B512A}",
                             "Interface\\{AB7A67A5-6F30-4D1E-B6E4-7D0934272444}",
                             "TypeLib\\{E6617660-B937-4032-83B3-F46F886946C6}"})
        EXPECT_FALSE(store.keyExists(Root::ClassesRoot, gone)) << gone;
    for (const char* kept : {"CLSID", "Interface", "TypeLib", "Other.Class\\CLSID"})
        EXPECT_TRUE(store.keyExists(Root::ClassesRoot, kept)) << kept;
    EXPECT_EQ(addinhost::inprocServerOf(store, addinhost::guid("{00000000-1111-2222-3333-444444444444}")),
              "/usr/lib/other.so");
    EXPECT_FALSE(addinhost::classOfProgId(store, "MSAddins.Dqxhand"));
    // Unregistering what is not registered changes nothing.
    addinhost::unregisterClass(store, wordEntries(""));
}

TEST_F(ServerRegistrationTest, AProgIdThatNamesNoClassOrAClassWithoutServerIsNotRegistered) {
    store.createKey(Root::ClassesRoot, "Broken.Class\\CLSID").writeString("", "not an identifier");
    EXPECT_FALSE(addinhost::classOfProgId(store, "Broken.Class"));
    EXPECT_FALSE(addinhost::classOfProgId(store, "Missing.Class"));
    store.createKey(Root::ClassesRoot, "CLSID\\{00000000-1111-2222-3333-444444444444}\\InprocServer32")
        .writeDword("", 1);
    EXPECT_FALSE(addinhost::inprocServerOf(store, addinhost::guid("{00000000-1111-2222-3333-444444444444}")));
}

TEST_F(ServerRegistrationTest, AnEmptyProgIdOrOneThatReachesIntoOtherKeysIsRefused) {
    store.createKey(Root::ClassesRoot, "Other.Class").writeString("", "kept");
    for (const char* progId : {"", "Other.Class\\..", "CLSID\\x"}) {
        addinhost::ClassRegistration entries = wordEntries("/x.so");
        entries.progId = progId;
        EXPECT_THROW(addinhost::registerClass(store, entries), addinhost::Error) << progId;
        EXPECT_THROW(addinhost::unregisterClass(store, entries), addinhost::Error) << progId;
    }
    EXPECT_EQ(defaultOf("Other.Class"), "kept");
    EXPECT_FALSE(store.keyExists(Root::ClassesRoot, "CLSID"));
}

} // namespace
