#include "engine/Engine.h"

#include <SDL/SDL_mixer.h>
#include <SDL/SDL_ttf.h>

#include <cstdlib>
#include <memory>

#include "engine/AlsaSilencer.h"
#include "engine/Catalogue.h"
#include "engine/Log.h"
#include "engine/Random.h"
#include "engine/MainLoop.h"
#include "engine/TickSource.h"
#include "field/Entity.h"

Engine& Engine::Instance() {
    static Engine engine;
    return engine;
}

bool Engine::Fail(const char* pattern) {
    LastError = Catalogue::Fill(pattern, {SDL_GetError()});
    return false;
}

bool Engine::Init(const std::string& caption, const WindowMode& mode) {
    Running = true;
    LastError.clear();
    Random::Seed(TickSource::Seed());
    // Sound is optional: the video and timer subsystems must start, the
    // audio one may fail on a machine without a sound device.
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) == -1)
        return Fail(Tr("cannot start SDL: {1}"));
    // Only before the first video mode does SDL tell the desktop's size.
    Window.MeasureDesktop();
    if (!OpenFirstWindow(mode))
        return Fail(Tr("cannot open the 1024x600 window: {1}"));
    if (TTF_Init() == -1)
        return Fail(Tr("cannot start SDL_ttf: {1}"));
    {
        const AlsaSilencer quiet;
        AudioOpen = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 4096) == 0;
    }
    if (!AudioOpen)
        Log::Warn(Catalogue::Fill(Tr("no sound device ({1}); playing without sound"), {SDL_GetError()}));
    SDL_WM_SetCaption(caption.c_str(), nullptr);
    return true;
}

Engine::~Engine() { ClearScreens(); }

// The window as asked; where that cannot be shown, a window at its scale,
// then the plain 1024 x 600 one. The caller compares Window.Mode().
bool Engine::OpenFirstWindow(const WindowMode& mode) {
    WindowMode windowed = mode;
    windowed.Fullscreen = false;
    const bool opened = Window.Open(mode) || (mode.Fullscreen && Window.Open(windowed)) || Window.Open(WindowMode{});
    TakeWindowSurfaces();
    return opened;
}

void Engine::TakeWindowSurfaces() {
    Surface = Window.Picture();
    DisplaySurface = Window.Window();
}

bool Engine::SetWindowMode(const WindowMode& mode) {
    if (!Window.IsOpen()) {
        LastError = Tr("no window is open");
        return false;
    }
    const WindowMode before = Window.Mode();
    const bool shown = Window.Open(mode);
    if (!shown) {
        LastError = Window.Error();
        if (!Window.Open(before))
            Log::Error(Catalogue::Fill(Tr("the window cannot be opened again: {1}"), {Window.Error()}));
    }
    TakeWindowSurfaces();
    return shown;
}

void Engine::ClearScreens() {
    while (!Screens.empty()) {
        GameScreen* top = Screens.back();
        Screens.pop_back();
        delete top;
    }
}

void Engine::Shutdown() {
    ClearScreens();
    Input.Clear();
    Input.MouseX = Input.MouseY = 0;
    Input.LastLeftPress = {};
    Notice.Close();
    Cache.Clear();
    Sounds.Clear();
    if (TTF_WasInit())
        TTF_Quit();
    if (AudioOpen) {
        Mix_HaltMusic();
        Mix_CloseAudio();
    }
    AudioOpen = false;
    Window.Close();
    SDL_Quit();
    TakeWindowSurfaces();
    Running = false;
}

bool Engine::Update() {
    if (!Running)
        return false;
    bool result = false;
    for (size_t i = 0; i < Screens.size(); ++i) {
        if (i == 0) {
            result = Screens[0]->Update(DeltaSeconds);
        } else if (!Screens[i - 1]->BlocksNext) {
            if (Screens[i]->Update(DeltaSeconds))
                result = true;
        }
    }
    return result;
}

void Engine::Draw() {
    if (!Running || Surface == nullptr)
        return;
    for (size_t i = 0; i < Screens.size(); ++i)
        if (Screens[i]->Visible)
            Screens[i]->Draw(Surface);
}

void Engine::PushScreen(GameScreen* screen, std::string name) {
    Screens.push_back(screen);
    screen->Load(std::move(name));
}

GameScreen* Engine::FindScreen(const std::string& name) const {
    for (GameScreen* s : Screens)
        if (s->GetName() == name)
            return s;
    return nullptr;
}

void Engine::RemoveScreen(const std::string& name) {
    for (size_t i = 0; i < Screens.size(); ++i) {
        if (Screens[i]->GetName() == name) {
            GameScreen* doomed = Screens[i];
            Screens[i] = Screens.back();
            Screens.pop_back();
            delete doomed;
            return;
        }
    }
}

void Engine::AddToScreen(Entity* entity, const std::string& screenName) {
    std::unique_ptr<Entity> owned(entity);
    GameScreen* screen = FindScreen(screenName);
    if (screen == nullptr)
        return;  // nobody to own it: dropped, not leaked
    owned->Load();
    screen->AddEntity(owned.release());
}

void Engine::RemoveFromScreen(Entity* entity, const std::string& screenName) {
    for (size_t i = 0; i < Screens.size(); ++i)
        if (Screens[i]->GetName() == screenName)
            Screens[i]->RemoveEntity(entity);
}
