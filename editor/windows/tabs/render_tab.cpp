#include "editor/windows/tabs/render_tab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <array>
#include <span>

#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/tab_page.h"
#include "editor/windows/tabs/video_fields.h"

namespace kestrane {
namespace {

constexpr std::array<const char*, 23> kD3DCaptions = {"Detail Textures",
                                                      "High Detail Actors",
                                                      "Super High Detail Actors",
                                                      "Precaching",
                                                      "Trilinear",
                                                      "Reduce Mouse Lag",
                                                      "Tripple Buffering",
                                                      "Hardware TL",
                                                      "Hardware VS",
                                                      "Cube Maps",
                                                      "Compressed Lightmaps",
                                                      "Stencil",
                                                      "16 Bit",
                                                      "16 Bit Textures",
                                                      "VSync",
                                                      "NPatches",
                                                      "Check for Over Flow",
                                                      "Avoid Hitches",
                                                      "Low Quality Terrain ",
                                                      "Report Unused Textures",
                                                      "Decompress Textures",
                                                      "Skybox Hack",
                                                      "OverRide Desktop Refresh Rate"};

constexpr std::array<const char*, 10> kOpenGLCaptions = {
    "Detail Textures", "High Detail Actors",   "Super High Detail Actors",
    "Precaching",      "Compressed Lightmaps", "Trilinear",
    "Stencil",         "Reduce Mouse Lag",     "VSync",
    "Use VBO"};

constexpr std::array<const char*, 6> kSoftwareCaptions = {
    "Detail Textures",      "High Detail Actors", "Super High Detail Actors",
    "Compressed Lightmaps", "Precaching",         "Stencil"};

constexpr std::array<const char*, 15> kPixoCaptions = {"Fog Enabled",
                                                       "Zoom 2X",
                                                       "Simple Materials",
                                                       "Limit Texture Size",
                                                       "Low Quality Terrain",
                                                       "Sky Box Hack",
                                                       "High Detail Actors",
                                                       "Super High Detal Actors",
                                                       "Reduce Mouse Lag",
                                                       "16 Bit Textures",
                                                       "16 Bit",
                                                       "Stencils",
                                                       "Compresed Lightmap",
                                                       "Detali Textures",
                                                       "Use Precaching"};

struct Frame {
    const char* caption;
    const char* objectName;
    const char* checkArray;
    std::span<const char* const> checks;
    int perColumn;
    int firstField;
    int lastField;  // below firstField: no fields
};

// Check boxes in columns, then the number fields beside them.
void AddFrame(INI& window, QWidget* page, const Frame& f, int pageRow) {
    auto* frame = new QGroupBox(f.caption, page);
    frame->setObjectName(f.objectName);
    auto* columns = new QHBoxLayout(frame);
    auto* checkBox = new QWidget(frame);
    auto* checks = new QGridLayout(checkBox);
    checks->setContentsMargins(0, 0, 0, 0);
    AddChecks(window, checks, f.checkArray, f.checks, f.perColumn);
    columns->addWidget(checkBox, 0, Qt::AlignTop);
    if (f.lastField >= f.firstField) {
        auto* fieldBox = new QWidget(frame);
        auto* fields = new QGridLayout(fieldBox);
        fields->setContentsMargins(0, 0, 0, 0);
        for (int i = f.firstField; i <= f.lastField; ++i) {
            AddVideoField(window, i, fields, i - f.firstField);
        }
        columns->addWidget(fieldBox, 0, Qt::AlignTop);
    }
    PageRow(page, pageRow)->addWidget(frame, 0, Qt::AlignTop);
}

}  // namespace

void BuildRenderTab(INI& window) {
    QWidget* page = window.Tab("render");
    AddFrame(window, page, {"Direct3D", "Direct3D", "c_D3D", kD3DCaptions, 12, 7, 12}, 0);
    AddFrame(window, page, {"OpenGL", "OpenGL", "c_OpenGL", kOpenGLCaptions, 10, 13, 18}, 0);
    PageRow(page, 0)->addStretch(1);
    AddFrame(window, page,
             {"Pixomatic Render", "PixomaticRender", "c_Pixo", kPixoCaptions, 8, 19, 21}, 1);
    AddFrame(window, page, {"Software", "Software", "c_Software", kSoftwareCaptions, 6, 0, -1}, 1);
    PageRow(page, 1)->addStretch(1);
}

}  // namespace kestrane
