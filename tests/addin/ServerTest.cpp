// The add-in libraries as in-process servers: their class objects, their exports, when they may be
// unloaded, and their registration in the registry store and back out of it.
#include "platform/addinhost/Error.h"
#include "platform/addinhost/ServerRegistration.h"
#include "platform/registry/Registry.h"
#include "tests/addin/AddInFixture.h"
#include "tests/support/ErrorMessage.h"

#include <filesystem>

namespace {

using addinhost::Result;
using addintest::AddInTest;
using addintest::BuildUnderTest;

class ServerTest : public AddInTest {};

constexpr auto errorOf = testsupport::errorMessage<addinhost::Error>;

const BuildUnderTest& otherBuild(const BuildUnderTest& build) {
    return build.classId == addintest::wordBuild().classId ? addintest::wpsBuild() : addintest::wordBuild();
}

TEST_P(ServerTest, TheLibraryServesItsOwnClassAndNothingElse) {
    addinhost::InprocServer server(build().library);
    EXPECT_NE(
        errorOf([&] { server.classObject(otherBuild(build()).classId); }).find("does not serve the class"),
        std::string::npos);
    addinhost::InterfacePtr<addinhost::IClassFactory> factory = server.classObject(build().classId);
    addinhost::InterfacePtr<addinhost::IUnknown> object;
    EXPECT_EQ(factory->CreateInstance(factory.get(), addinhost::IUnknownId, object.receive()),
              Result::NoAggregation);
    EXPECT_EQ(factory->CreateInstance(nullptr, addinhost::IClassFactoryId, object.receive()),
              Result::NoInterface);
    EXPECT_FALSE(object);
    ASSERT_EQ(factory->CreateInstance(nullptr, addinhost::IUnknownId, object.receive()), Result::Ok);
    // The class's default interface _Dqxhand is known, and is the same object.
    void* viaDefault = nullptr;
    const addinhost::Guid defaultInterface = build().classId == addintest::wordBuild().classId
                                                 ? addinhost::guid("{AB7A67A5-6F30-4D1E-B6E4-7D0934272444}")
                                                 : addinhost::guid("{804BD331-334C-45F9-B326-CA06FA38D2F7}");
    ASSERT_EQ(object->QueryInterface(defaultInterface, &viaDefault), Result::Ok);
    addinhost::InterfacePtr<addinhost::IUnknown> adopted(static_cast<addinhost::IUnknown*>(viaDefault));
    EXPECT_EQ(object->QueryInterface(addinhost::IClassFactoryId, &viaDefault), Result::NoInterface);
    EXPECT_EQ(viaDefault, nullptr);
    EXPECT_EQ(object->QueryInterface(addinhost::IUnknownId, nullptr), Result::Pointer);

    // Objects, references to the class object and locks keep the library loaded; nothing else does.
    EXPECT_FALSE(server.canUnloadNow());
    object.reset();
    adopted.reset();
    EXPECT_FALSE(server.canUnloadNow());
    EXPECT_EQ(factory->LockServer(true), Result::Ok);
    factory.reset();
    EXPECT_FALSE(server.canUnloadNow());
    server.classObject(build().classId)->LockServer(false);
    EXPECT_TRUE(server.canUnloadNow());
}

TEST_P(ServerTest, OnlyTheFourServerFunctionsAreExported) {
    addinhost::Library library(build().library);
    for (const char* name :
         {"DllGetClassObject", "DllCanUnloadNow", "DllRegisterServer", "DllUnregisterServer"})
        EXPECT_NO_THROW(library.function<void()>(name)) << name;
    // The class and its helpers stay inside.
    for (const char* name : {"_ZN5addin9hostBuildEv", "_ZN5addin11libraryPathB5cxx11Ev",
                             "_ZN5addin11endSilentlyERKSt8functionIFvvEE"})
        EXPECT_THROW(library.function<void()>(name), addinhost::Error) << name;
    auto getClassObject = library.function<addinhost::GetClassObjectFunction>("DllGetClassObject");
    void* object = &library;
    EXPECT_EQ(getClassObject(&build().classId, &addinhost::IClassFactoryId, nullptr), Result::Pointer);
    EXPECT_EQ(getClassObject(nullptr, &addinhost::IClassFactoryId, &object), Result::Pointer);
    EXPECT_EQ(object, nullptr);
}

TEST_P(ServerTest, RegistrationWritesTheLibrarysOwnPathAndUnregistrationTakesOnlyItsEntriesAway) {
    {
        registry::Registry store;
        store.createKey(registry::Root::ClassesRoot, "Other.Class\\CLSID")
            .writeString("", "{00000000-1111-2222-3333-444444444444}");
        store.createKey(registry::Root::CurrentUser, "Software\\Brevaro").writeString("kept", "yes");
    }
    addinhost::InprocServer(build().library).registerServer();
    addinhost::InprocServer(otherBuild(build()).library).registerServer();
    registry::Registry store;
    std::optional<addinhost::Guid> classId = addinhost::classOfProgId(store, build().progId);
    ASSERT_TRUE(classId);
    EXPECT_EQ(*classId, build().classId);
    EXPECT_EQ(addinhost::inprocServerOf(store, *classId),
              std::filesystem::canonical(build().library).string());

    // A host finds the library by the ProgID alone.
    {
        addinhost::HostedAddIn hosted(store, build().progId);
        EXPECT_EQ(hosted.server().path(), std::filesystem::canonical(build().library).string());
        hosted.connect(app, addinhost::ConnectMode::AfterStartup);
        EXPECT_EQ(menusCaptioned("<Brevaro>").size(), 1u);
    }
    EXPECT_TRUE(menusCaptioned("<Brevaro>").empty());

    addinhost::InprocServer(build().library).unregisterServer();
    store.reload();
    EXPECT_FALSE(addinhost::classOfProgId(store, build().progId));
    EXPECT_FALSE(store.keyExists(registry::Root::ClassesRoot, "CLSID\\" + build().classId.toString()));
    EXPECT_NE(
        errorOf([&] { addinhost::HostedAddIn hosted(store, build().progId); }).find("is not registered"),
        std::string::npos);
    EXPECT_TRUE(addinhost::classOfProgId(store, otherBuild(build()).progId));
    EXPECT_TRUE(store.keyExists(registry::Root::ClassesRoot, "Other.Class\\CLSID"));
    EXPECT_EQ(store.openKey(registry::Root::CurrentUser, "Software\\Brevaro")->readString("kept"), "yes");
}

TEST_P(ServerTest, AStoreThatCannotBeWrittenFailsTheRegistration) {
    std::string notAFolder = folder.write("plain", "a file");
    testsupport::ScopedEnvironment unwritable("DQX_REGISTRY", notAFolder + "/registry.reg");
    addinhost::InprocServer server(build().library);
    EXPECT_NE(errorOf([&] { server.registerServer(); }).find("could not register itself (0x80040201)"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Builds, ServerTest, ::testing::Values(addintest::wordBuild(), addintest::wpsBuild()),
                         addintest::buildName);

} // namespace
