#include <functional>
#include <string>
#include <vector>

#include "engine/MainLoop.h"
#include "field/Unsolid.h"
#include "support/GameTest.h"

namespace {
std::vector<std::string> journal;

// A screen whose behaviour each test scripts.
class ScriptedScreen : public GameScreen {
public:
    std::function<void(ScriptedScreen&)> OnLoad;
    bool Result = false;
    int Updates = 0;
    int Draws = 0;
    ~ScriptedScreen() override { journal.push_back("deleted " + Name); }
    void Load(std::string name) override {
        Name = name;
        Visible = true;
        BlocksNext = false;
        if (OnLoad)
            OnLoad(*this);
    }
    bool Update(float seconds) override {
        ++Updates;
        return SweepEntities(seconds) || Result;
    }
    void Draw(SDL_Surface* target) override {
        ++Draws;
        DrawEntities(target);
    }
};

// An entity that records its updates and can die on a given one.
class Probe : public Unsolid {
public:
    std::string Tag;
    int DieOnUpdate = -1;
    int Updates = 0;
    explicit Probe(std::string tag, int dieOn = -1) : Tag(std::move(tag)), DieOnUpdate(dieOn) {}
    ~Probe() override { journal.push_back("gone " + Tag); }
    void Load() override { journal.push_back("load " + Tag); }
    bool Update(float) override {
        journal.push_back("update " + Tag);
        if (++Updates == DieOnUpdate)
            Dead = true;
        return false;
    }
    void Draw(SDL_Surface*) override {}
};

class EngineTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        journal.clear();
    }
    ScriptedScreen* Push(const std::string& name) {
        auto* s = new ScriptedScreen();
        TheEngine().PushScreen(s, name);
        return s;
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (GameScreen* s : TheEngine().Screens)
            names.push_back(s->GetName());
        return names;
    }
};
}  // namespace

TEST_F(EngineTest, PushedScreenThatRemovesItsCallerLeavesOneScreen) {
    Push("MainScreen");
    auto* next = new ScriptedScreen();
    next->OnLoad = [](ScriptedScreen&) { Engine::Instance().RemoveScreen("MainScreen"); };
    TheEngine().PushScreen(next, "Stage1");
    EXPECT_EQ(Names(), std::vector<std::string>{"Stage1"});
    EXPECT_EQ(journal, std::vector<std::string>{"deleted MainScreen"});
}

TEST_F(EngineTest, RemoveScreenTakesTheLowestMatchAndSwapsTheLastIn) {
    Push("A");
    Push("B");
    Push("A");
    Push("C");
    TheEngine().RemoveScreen("A");
    EXPECT_EQ(Names(), (std::vector<std::string>{"C", "B", "A"}));
    TheEngine().RemoveScreen("Stage");  // names match exactly, never by prefix
    TheEngine().RemoveScreen("nothing");
    EXPECT_EQ(TheEngine().Screens.size(), 3u);
}

TEST_F(EngineTest, UpdateResultBlocksNextAndVisibility) {
    ScriptedScreen* bottom = Push("bottom");
    ScriptedScreen* top = Push("top");
    bottom->BlocksNext = true;
    top->Visible = false;
    EXPECT_FALSE(TheEngine().Update());
    EXPECT_EQ(top->Updates, 0);
    bottom->BlocksNext = false;
    TheEngine().Update();
    EXPECT_EQ(top->Updates, 1);
    TheEngine().Draw();
    EXPECT_EQ(bottom->Draws, 1);
    EXPECT_EQ(top->Draws, 0);
    bottom->Result = true;
    EXPECT_TRUE(TheEngine().Update());
}

TEST_F(EngineTest, EntitiesAreLoadedOnAddAndDroppedWithoutTheirScreen) {
    Push("Stage1");
    TheEngine().AddToScreen(new Probe("kept"), "Stage1");
    TheEngine().AddToScreen(new Probe("orphan"), "Nowhere");
    EXPECT_EQ(journal, (std::vector<std::string>{"load kept", "gone orphan"}));
    EXPECT_EQ(TheEngine().FindScreen("Stage1")->Entities.size(), 1u);
}

TEST_F(EngineTest, SweepDeletesTheDeadAndSkipsTheEntityMovedIntoItsSlot) {
    ScriptedScreen* s = Push("Stage1");
    TheEngine().AddToScreen(new Probe("a", 1), "Stage1");
    TheEngine().AddToScreen(new Probe("b"), "Stage1");
    TheEngine().AddToScreen(new Probe("c"), "Stage1");
    journal.clear();
    s->Update(0.016f);
    EXPECT_EQ(journal, (std::vector<std::string>{"update a", "gone a", "update b"}));
    journal.clear();
    s->Update(0.016f);
    EXPECT_EQ(journal, (std::vector<std::string>{"update c", "update b"}));
}

TEST_F(EngineTest, RemoveFromScreenAsksEveryScreenOfThatName) {
    ScriptedScreen* one = Push("twin");
    ScriptedScreen* two = Push("twin");
    auto* probe = new Probe("p");
    TheEngine().AddToScreen(probe, "twin");
    TheEngine().RemoveFromScreen(probe, "twin");
    EXPECT_TRUE(one->Entities.empty());
    EXPECT_TRUE(two->Entities.empty());
    TheEngine().RemoveFromScreen(probe, "twin");  // already gone: nothing happens
}

TEST_F(EngineTest, ShutdownDeletesStackedScreensWithTheirEntities) {
    Push("Stage1");
    TheEngine().AddToScreen(new Probe("left"), "Stage1");
    TheEngine().Shutdown();
    EXPECT_EQ(journal, (std::vector<std::string>{"load left", "deleted Stage1", "gone left"}));
    EXPECT_TRUE(TheEngine().Screens.empty());
    ASSERT_TRUE(TheEngine().Init("again")) << TheEngine().LastError;
    DisplaySurface = TheEngine().Surface;
}
