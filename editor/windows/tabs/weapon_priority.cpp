#include "editor/windows/tabs/weapon_priority.h"

#include <utility>

#include "editor/store/text_compare.h"
#include "platform/base/paths.h"

namespace kestrane {

const std::array<WeaponInfo, 17> kWeaponInfo = {{
    {"Redeemer", "R e d e e m e r",
     "A slow nuclear missile that flattens everything inside its blast. The alternate fire "
     "steers it from the warhead's own view; keep your distance when it lands."},
    {"Ion Painter", "I o n   P a i n t e r",
     "Holds a laser on a spot in the open sky until the orbiting ion cannon answers. It needs "
     "a clear line upward and a few seconds of patience."},
    {"ONS-Painter", "O N S -  P a i n t e r",
     "The Onslaught target painter: marks a spot on the ground for a bomber strike. Like the "
     "ion painter it needs open sky and a steady hand."},
    {"Classic Sniper", "C l a s s i c   S n i p e r",
     "The old bolt-action sniper rifle: a hitscan bullet with a zoom scope and no trail to "
     "give its owner away. Head shots count double."},
    {"Lightning Gun", "L i g h t n i n g   G u n",
     "Fires a bolt of lightning at long range with a zoom scope. Every shot leaves a bright "
     "trail back to the shooter, so move after each one."},
    {"Rocket Launcher", "R o c k e t   L a u n c h e r",
     "Fires single rockets, or loads up to three for a spread or a tight spiral. The main "
     "fire locks on to a target held in the sights."},
    {"Flak Cannon", "F l a k   C a n n o n",
     "Sprays hot shards that bounce off walls at close range; the alternate fire lobs a shell "
     "that bursts on impact. Deadly in corridors."},
    {"Grenade Launcher", "G r e n a d e   L a u n c h e r",
     "Lobs sticky grenades that cling to players, vehicles and walls until the alternate fire "
     "sets them off together."},
    {"Minigun", "M i n i g u n",
     "A rotating-barrel gun with a fast, loose stream of bullets and a slower, more accurate "
     "alternate fire. It needs a moment to spin up."},
    {"AVRiL", "A V R i L",
     "The anti-vehicle rocket launcher: its homing rocket follows the target the scope holds, "
     "and a locked vehicle hears the warning."},
    {"LinkGun", "L i n k   G u n",
     "Fires fast plasma bolts, or a beam that links team mates together and heals vehicles and "
     "power nodes of its own team."},
    {"Shock Rifle", "S h o c k   R i f l e",
     "A hitscan beam and a slow energy ball; shooting the ball with the beam sets off the "
     "shock combo, a blast that covers a wide area."},
    {"Mine Layer", "M i n e   L a y e r",
     "Drops spider mines that wait and then chase any enemy who comes near; the alternate "
     "fire points them at a target with a laser."},
    {"Bio-Rifle", "B i o - R i f l e",
     "Spits globs of toxic sludge that stick to floors and walls; hold the alternate fire to "
     "gather one big glob for a single heavy hit."},
    {"Assault Rifle", "A s s a u l t   R i f l e",
     "The starting gun: a quick automatic rifle with a grenade launcher underneath. Picking up "
     "a second one lets you fire two at once."},
    {"Shield Gun", "S h i e l d   G u n",
     "Charges a punch that knocks enemies back or lifts its owner with a shield jump; the "
     "alternate fire raises a shield that stops shots from the front."},
    {"Translauncher", "T r a n s l a u n c h e r",
     "Throws a beacon and teleports its owner to it. A beacon thrown into an enemy player "
     "gibs them when you jump to it."},
}};

const std::string_view kInfoBeforeSelection =
    "The game picks the best weapon it holds by these priorities, the top row first. Select a "
    "weapon to see it here, then move it up or down with the arrows beside the list; File > "
    "Save gives each weapon the priority of the row it stands in.";

const WeaponInfo* FindWeaponInfo(std::string_view text) {
    for (const WeaponInfo& w : kWeaponInfo) {
        if (EqualsNoCase(w.display, text)) return &w;
    }
    return nullptr;
}

std::string WeaponBigPicturePath(std::string_view text) {
    return platform::ProgramFolder() + "\\Images\\Weapon Pics\\" + std::string(text) + ".gif";
}

std::string WeaponSmallPicturePath(std::string_view text) {
    return platform::ProgramFolder() + "\\Images\\Weapon Small Pics\\s" + std::string(text) +
           ".gif";
}

int MoveWeapon(std::array<std::string, 17>& boxes, int selected, bool up) {
    if (up) {
        if (selected >= 16) return 16;
        std::swap(boxes[selected], boxes[selected + 1]);
        return selected + 1;
    }
    if (selected <= 0) return 0;
    std::swap(boxes[selected], boxes[selected - 1]);
    return selected - 1;
}

}  // namespace kestrane
