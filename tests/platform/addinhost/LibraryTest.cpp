// Loading server libraries: what the host says when a library cannot be loaded or is no server.
#include "platform/addinhost/Error.h"
#include "platform/addinhost/InprocServer.h"
#include "tests/support/ErrorMessage.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

constexpr auto errorOf = testsupport::errorMessage<addinhost::Error>;

TEST(Library, AMissingFileOrAFileThatIsNoLibraryIsNamedInTheError) {
    testsupport::TempFolder folder;
    std::string missing = folder.file("libDqxhand_ms.so");
    EXPECT_NE(
        errorOf([&] { addinhost::Library library(missing); }).find("cannot load the library " + missing),
        std::string::npos);
    std::string text = folder.write("libtext.so", "no library");
    EXPECT_NE(errorOf([&] { addinhost::Library library(text); }).find(text), std::string::npos);
}

TEST(Library, ALibraryWithoutTheServerFunctionsIsNoServer) {
    // The C library is loaded in every process and exports none of them.
    EXPECT_EQ(errorOf([] { addinhost::InprocServer server("libc.so.6"); }),
              "the library libc.so.6 does not export DllGetClassObject");
    addinhost::Library library("libc.so.6");
    EXPECT_NE(library.function<int(const char*)>("puts"), nullptr);
    EXPECT_EQ(errorOf([&] { library.function<void()>("DllCanUnloadNow"); }),
              "the library libc.so.6 does not export DllCanUnloadNow");
}

} // namespace
