// The "Video" page: the render engine choice with the resolutions and display adjustments,
// and the window client's switches, level-of-detail fields and texture detail levels.
#pragma once

namespace kestrane {

class INI;

void BuildVideoTab(INI& window);

}  // namespace kestrane
