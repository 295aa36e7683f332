#include "editor/store/bind_boxes.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/store/game_key_names.h"
#include "editor/store/program_state.h"

namespace kestrane {
namespace {

TEST(KeyCodeToName, TableEndsGapsAndCase) {
    const struct {
        int code;
        const char* name;
    } cases[] = {
        {0, "None"},        {254, "OEMClear"}, {231, ""}, {-1, ""},          {255, ""},
        {73, "i"},          {74, "j"},         {72, "H"}, {75, "K"},         {1, "LeftMouse"},
        {4, "MiddleMouse"}, {185, "Unicode"},  {184, ""}, {236, "MWheelUp"}, {5, ""}};
    for (const auto& c : cases) EXPECT_EQ(KeyCodeToName(c.code), c.name) << c.code;
    int named = 0;
    for (int code = 0; code <= 254; ++code) named += !KeyCodeToName(code).empty();
    EXPECT_EQ(named, 167);
}

class Boxes : public BindBoxes {
  public:
    explicit Boxes(int n) : texts(n), sizes(n, 9) {}
    int Count() const override { return static_cast<int>(texts.size()); }
    std::string Text(int i) const override { return texts[i]; }
    void SetText(int i, const std::string& t) override { texts[i] = t; }
    void SetFontSize(int i, int points) override { sizes[i] = points; }
    void MoveFocusAway() override { ++focusMoves; }
    std::vector<std::string> texts;
    std::vector<int> sizes;
    int focusMoves = 0;
};

TEST(Bind, ThenDelKeyKeepsTheNameInOneBox) {
    ResetState();
    Boxes boxes(140);
    boxes.texts[12] = "SPACE";
    boxes.texts[20] = "MiddleMouse";
    Bind(5, 32, boxes);
    EXPECT_EQ(boxes.focusMoves, 1);
    DelKey(boxes);
    EXPECT_EQ(boxes.texts[5], "Space");
    EXPECT_EQ(boxes.texts[12], "");
    EXPECT_EQ(boxes.texts[20], "MiddleMouse");
    for (int i = 0; i < 140; ++i)
        EXPECT_EQ(boxes.sizes[i], boxes.texts[i].size() > 10 ? 6 : 7) << i;
}

TEST(Bind, AnUnnamedCodeEmptiesTheBoxOnly) {
    ResetState();
    Boxes boxes(4);
    boxes.texts = {"A", "B", "", "C"};
    Bind(1, 231, boxes);
    DelKey(boxes);
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{"A", "", "", "C"}));
}

TEST(LimitBindTo2, KeepsEachTextInItsLowestBox) {
    Boxes boxes(6);
    boxes.texts = {"Space", "A", "space", "", "a", ""};
    LimitBindTo2(boxes);
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{"Space", "A", "", "", "", ""}));
}

}  // namespace
}  // namespace kestrane
