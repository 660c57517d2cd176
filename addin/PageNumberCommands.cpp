// The page-number commands: page numbers in the footer of the selection's section, centred, right,
// outside or inside. No menu entry reaches them; they run for a button assigned to their variables.
#include "addin/Dqxhand.h"
#include "addin/HostBuild.h"
#include "addin/Traps.h"
#include "platform/automation/Selection.h"

namespace addin {

namespace {

constexpr int Centre = 1;
constexpr int Right = 2;
constexpr int Inside = 3;
constexpr int Outside = 4;

// Numbers at the outer edge of facing pages need mirrored margins; centred ones do not.
void putFooterPageNumbers(int alignment) noexcept {
    endSilently(
        [alignment] { addFooterPageNumbers(hostGlobal().Selection(), alignment, alignment != Centre); });
}

} // namespace

void Dqxhand::gNjz_Click(const automation::CommandBarControl&, bool&) noexcept {
    putFooterPageNumbers(Centre);
}

void Dqxhand::gNyc_Click(const automation::CommandBarControl&, bool&) noexcept {
    putFooterPageNumbers(Right);
}

void Dqxhand::gNwc_Click(const automation::CommandBarControl&, bool&) noexcept {
    putFooterPageNumbers(Outside);
}

void Dqxhand::gNnc_Click(const automation::CommandBarControl&, bool&) noexcept {
    putFooterPageNumbers(Inside);
}

} // namespace addin
