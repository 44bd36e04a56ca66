#pragma once

// Keeps the ALSA sound library from printing its own errors while the game
// looks for a sound device. Without a sound card ALSA writes half a dozen
// "ALSA lib ..." lines on stderr before SDL even reports the failure; the
// game's single warning says all the player needs. Scoped: the library's
// own reporting is back once the silencer is gone. Where ALSA is not
// installed there is nothing to silence and this does nothing.
class AlsaSilencer {
public:
    AlsaSilencer();
    ~AlsaSilencer();
    AlsaSilencer(const AlsaSilencer&) = delete;
    AlsaSilencer& operator=(const AlsaSilencer&) = delete;

private:
    // The library stays loaded while its error handler points at ours.
    void* Library = nullptr;
};
