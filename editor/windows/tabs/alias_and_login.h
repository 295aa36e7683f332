// Small edits of the player and communication tabs that need no window: the alias template
// lines and the stats login's length rule.
#pragma once

#include <string>
#include <string_view>

namespace kestrane {

// The alias box's text with a new empty alias line after a line break. Its number is the
// count of "Aliases[" in the text, moved past any number a line already uses.
std::string WithNewAlias(std::string_view aliases);

// The text-to-speech box's text with an empty template line and a line break before it, and
// one more line break after it.
std::string WithNewSpeechAlias(std::string_view speechAliases);

// A stats login text the box lets go of: 6 characters or more, or nothing at all.
bool StatsLoginAccepted(std::string_view text);

}  // namespace kestrane
