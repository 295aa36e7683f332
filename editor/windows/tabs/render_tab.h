// The "Render Devices" page: the settings of the Direct3D, OpenGL, Software (null device) and
// Pixomatic render devices.
#pragma once

namespace kestrane {

class INI;

void BuildRenderTab(INI& window);

}  // namespace kestrane
