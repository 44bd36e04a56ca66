#pragma once
#include <SDL/SDL.h>

// Where the game's 1024 x 600 picture lies in the window, and which game
// point a window point shows. A window at a whole scale is the picture
// enlarged to fill it; full screen shows the picture as large as the screen
// allows with its shape kept, centred between black bars. Arithmetic only,
// so that every desktop can be tried without one.
class PictureFit {
public:
    static constexpr int MaxScale = 4;
    // Room a window leaves on the desktop for its frame and title bar and
    // for the desktop's panels and docks.
    static constexpr int PanelRoomX = 80;
    static constexpr int PanelRoomY = 120;

    // The largest whole scale whose window fits a desktop of `width` x
    // `height` with room for its panels; 1 when none does or the size is
    // unknown (0).
    static int AutoScale(int width, int height);
    // `wanted`, or the largest smaller scale whose window fits the desktop
    // at all (1 at least): a window larger than the screen cannot be used.
    // A desktop of unknown size takes `wanted` as it is.
    static int Capped(int wanted, int width, int height);

    // A window of `scale` times the game's size.
    static PictureFit Window(int scale);
    // A screen of `width` x `height` with the picture fitted into it.
    static PictureFit Screen(int width, int height);

    int WindowWidth = 0;
    int WindowHeight = 0;
    // Where the picture is drawn in the window.
    SDL_Rect Picture{0, 0, 0, 0};

    bool operator==(const PictureFit& other) const;

    // The picture is the window itself: nothing to enlarge, no border.
    bool Identity() const;
    // The game point shown at window point (x, y), clamped into the game's
    // picture; false when (x, y) lies on the black border.
    bool ToGame(int x, int y, int& gameX, int& gameY) const;
};
