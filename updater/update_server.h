// Where the update list lives.
#pragma once

namespace patchwell {

inline constexpr char kUpdateListUrl[] =
    "http://www.kestrane.net/Kestrane_INI/Update_Kestrane_INI/update.txt";

}  // namespace patchwell
