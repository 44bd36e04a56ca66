#include <functional>
#include <string>
#include <vector>

#include "field/Unsolid.h"
#include "support/StageHelpers.h"

namespace {
std::vector<std::string> journal;

// A bare stage whose Load and Update result each test scripts.
class ScriptedScreen : public TestStage {
public:
    std::function<void()> OnLoad;
    bool Result = false;
    int Updates = 0, Draws = 0;
    ~ScriptedScreen() override { journal.push_back("deleted " + Name); }
    void Load(std::string name) override {
        TestStage::Load(std::move(name));
        if (OnLoad)
            OnLoad();
    }
    bool Update(float seconds) override { return ++Updates, TestStage::Update(seconds) || Result; }
    void Draw(SDL_Surface*) override { ++Draws; }
};

// An entity that records its updates and dies on its first one if told to.
class Probe : public Unsolid {
public:
    std::string Tag;
    bool DiesAtOnce;
    explicit Probe(std::string tag, bool diesAtOnce = false) : Tag(std::move(tag)), DiesAtOnce(diesAtOnce) {}
    ~Probe() override { journal.push_back("gone " + Tag); }
    void Load() override {}
    bool Update(float) override {
        journal.push_back("update " + Tag);
        Dead = DiesAtOnce;
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
    ScriptedScreen* Push(const std::string& name, std::function<void()> onLoad = {}) {
        auto* s = new ScriptedScreen();
        s->OnLoad = std::move(onLoad);
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
    Push("Stage1", [] { Engine::Instance().RemoveScreen("MainScreen"); });
    EXPECT_EQ(Names(), std::vector<std::string>{"Stage1"});
    EXPECT_EQ(journal, std::vector<std::string>{"deleted MainScreen"});
}

TEST_F(EngineTest, RemoveScreenTakesTheLowestExactMatchAndSwapsTheLastIn) {
    for (const char* name : {"A", "B", "A", "C"})
        Push(name);
    TheEngine().RemoveScreen("A");
    TheEngine().RemoveScreen("Stage");
    EXPECT_EQ(Names(), (std::vector<std::string>{"C", "B", "A"}));
}

TEST_F(EngineTest, BlocksNextStopsTheUpdateAboveAndHiddenScreensAreNotDrawn) {
    ScriptedScreen* bottom = Push("bottom");
    ScriptedScreen* top = Push("top");
    bottom->BlocksNext = true;
    top->Visible = false;
    TheEngine().Update();
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

TEST_F(EngineTest, SweepSkipsTheEntityMovedIntoAFreedSlotAndOrphansAreDeleted) {
    ScriptedScreen* s = Push("Stage1");
    TheEngine().AddToScreen(new Probe("a", true), "Stage1");
    TheEngine().AddToScreen(new Probe("b"), "Stage1");
    TheEngine().AddToScreen(new Probe("c"), "Stage1");
    TheEngine().AddToScreen(new Probe("orphan"), "Nowhere");
    s->Update(0.016f);
    s->Update(0.016f);
    EXPECT_EQ(journal, (std::vector<std::string>{"gone orphan", "update a", "gone a", "update b", "update c", "update b"}));
}
