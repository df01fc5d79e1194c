// The single-instance guard's name and the About box's mail target.
#include <gtest/gtest.h>

#include "app/AboutText.h"
#include "app/InstanceName.h"

namespace tv {
namespace {

TEST(InstanceName, IsTheFileNameExactlyAsReported) {
    EXPECT_EQ(InstanceNameFromPath("C:\\Program Files\\Tallyvane\\Tallyvane.exe"), "Tallyvane.exe");
    EXPECT_EQ(InstanceNameFromPath("C:\\games\\TALLYVANE.EXE"), "TALLYVANE.EXE");
    EXPECT_EQ(InstanceNameFromPath("D:\\x\\Copy of Tallyvane.exe"), "Copy of Tallyvane.exe");
    EXPECT_EQ(InstanceNameFromPath("C:Tallyvane.exe"), "Tallyvane.exe");
    EXPECT_EQ(InstanceNameFromPath("Tallyvane.exe"), "Tallyvane.exe");
    // Two folders, one name: one instance.
    EXPECT_EQ(InstanceNameFromPath("C:\\a\\Tallyvane.exe"), InstanceNameFromPath("C:\\b\\Tallyvane.exe"));
}

TEST(AboutLinks, TheMailTargetIsBuiltAroundTheCaption) {
    // The shell's calls themselves are seen end to end, in the About box's test.
    EXPECT_EQ(about::EmailLinkTarget("someone@example.org"), "mailto:someone@example.org?subject=Tallyvane v1.2");
    EXPECT_EQ(about::EmailLinkTarget(""), "mailto:?subject=Tallyvane v1.2");
}

}  // namespace
}  // namespace tv
