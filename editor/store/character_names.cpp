#include "editor/store/character_names.h"

#include "platform/base/paths.h"

namespace kestrane {

const std::array<std::string_view, 91> kCharacterNames = {
    "Ambrosia",   "Arclite",   "ASP",       "BlackJack", "Brock",     "Brutalis", "CannonBall",
    "Cleopatra",  "Cobalt",    "Corrosion", "Damarus",   "Diva",      "Domina",   "Faraleth",
    "Fate",       "Frostbite", "Gorge",     "Harlequin", "Horus",     "Hyena",    "Komek",
    "Lauren",     "Lilith",    "Makreth",   "Malcolm",   "Mandible",  "Memphis",  "Mokara",
    "Motig",      "MrCrow",    "Nebri",     "Prism",     "Rapier",    "Ravage",   "Reinha",
    "Remus",      "Renegade",  "Roc",       "Romulus",   "Rylisa",    "Sapphire", "Satin",
    "Scarab",     "Selig",     "Siren",     "Subversa",  "Syzygy",    "Thorax",   "Torch",
    "Widowmaker", "Wraith",    "Dominator", "Drekorig",  "Skakruk",   "Guardian", "Kraagesh",
    "Gaargod",    "Gkublok",   "ClanLord",  "Virus",     "Enigma",    "Cyclops",  "Cathode",
    "Axon",       "Divisor",   "Matrix",    "Xan",       "Jakob",     "Aryss",    "Tamika",
    "Othello",    "Azure",     "Annika",    "Riker",     "Garrett",   "Baird",    "Greith",
    "Zarina",     "Ophelia",   "Kaela",     "Rae",       "Kane",      "Outlaw",   "Abaddon",
    "Aurora",     "Glumpf",    "GothGirl",  "Karaash",   "BarkTooth", "Kragoth",  "Mekkor"};

std::string CharacterPicturePath(std::string_view name) {
    return platform::ProgramFolder() + "\\Images\\Characters\\" + std::string(name) + ".jpg";
}

}  // namespace kestrane
