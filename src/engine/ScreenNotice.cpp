#include "engine/ScreenNotice.h"

#include "engine/Layout.h"
#include "engine/Text.h"
#include "engine/TickSource.h"

namespace {
const SDL_Color NoticeColour{255, 214, 90, 0};
}  // namespace

void ScreenNotice::Say(std::string text) {
    Line = std::move(text);
    Since = TickSource::WallNow();
}

std::string ScreenNotice::Showing() const {
    return TickSource::WallNow() - Since < ShowMs ? Line : std::string();
}

void ScreenNotice::Draw(SDL_Surface* target) {
    const std::string line = Showing();
    if (line.empty())
        return;
    if (!FontTried) {
        Font = Text::OpenFont("pirulen.ttf", 18);
        FontTried = true;
    }
    Plate.DrawCentred(target, Font, line, NoticeColour, Layout::NoticeTop);
}

void ScreenNotice::Close() {
    Line.clear();
    Plate.Clear();
    Text::CloseFont(Font);
    FontTried = false;
}
