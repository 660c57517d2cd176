// The installation's read-only settings file: its two keys in section "dqx", their defaults, and the
// keys it does not take.
#include "composer/core/InstallationSettings.h"

#include "composer/core/ProcessPaths.h"
#include "platform/text/Encoding.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace composer;

namespace {

class InstallationSettings : public testing::Test {
protected:
    InstallationSettings() { paths().InstallFolder = m_install.path().string(); }
    ~InstallationSettings() override { paths().InstallFolder = m_installFolder; }

    std::string m_installFolder = paths().InstallFolder;
    testsupport::TempFolder m_install;
};

} // namespace

TEST_F(InstallationSettings, AMissingFileGivesWordAndThePrintingOfficesDefault) {
    EXPECT_EQ(installationSettingsPath(), m_install.file("dqx.ini"));
    AuthorityProfile profile = readInstallationProfile();
    EXPECT_EQ(profile.name, "印发机关");
    EXPECT_EQ(hostKindOf(profile.wwww), HostKind::Word);
    EXPECT_TRUE(profile.xz);
}

TEST_F(InstallationSettings, OnlyNameAndWordProcessorOfSectionDqxCount) {
    m_install.write(
        "dqx.ini",
        text::utf8ToGb18030("[某某分公司]\r\nname=别处\r\n"
                            "[dqx]\r\nwwww=wps\r\nname=某某分公司办公室\r\nxz=0\r\nfwjg=某某分公司\r\n"));
    AuthorityProfile profile = readInstallationProfile();
    EXPECT_EQ(profile.name, "某某分公司办公室");
    EXPECT_EQ(hostKindOf(profile.wwww), HostKind::Wps);
    EXPECT_TRUE(profile.xz) << "the style is not this file's";
    EXPECT_EQ(profile.section, "dqx");
}
