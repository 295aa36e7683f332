// The weapon priority list's behaviour without widgets: the weapon table with its spaced
// captions and descriptions, the picture files of a weapon, and the move buttons.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kestrane {

struct WeaponInfo {
    std::string_view display;
    std::string_view spaced;       // the info heading on selection
    std::string_view description;  // the info paragraph on selection
};

extern const std::array<WeaponInfo, 17> kWeaponInfo;

inline constexpr std::string_view kPriorityHeading = "W E A P O N S   P R I O R I T Y";
inline constexpr std::string_view kInfoHeading = "W E A P O N  I N F O ";
extern const std::string_view kInfoBeforeSelection;

// The weapon whose display name equals `text` ignoring case; nullptr for none.
const WeaponInfo* FindWeaponInfo(std::string_view text);

// "<program folder>\Images\Weapon Pics\<text>.gif" and "...\Weapon Small Pics\s<text>.gif".
std::string WeaponBigPicturePath(std::string_view text);
std::string WeaponSmallPicturePath(std::string_view text);

// One press of a move button on the box texts (index 0 the bottom row, 16 the top) with
// `selected` the last selected box: exchanges the texts of the selected box and its neighbour
// above (up) or below (down), unless it stands at that end. Returns the box to select next.
int MoveWeapon(std::array<std::string, 17>& boxes, int selected, bool up);

}  // namespace kestrane
