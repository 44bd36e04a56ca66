#pragma once
#include <map>
#include <memory>
#include <string>

#include "engine/Image.h"

// Loads each picture once, on its first request, and shares it with every
// later user of the same path (exact, case-sensitive bytes). The cache owns
// the images; they live until the cache is cleared at shutdown. Because the
// images are shared, a frame list set by one user is seen by all.
class ImageCache {
public:
    // Never returns null; throws ImageLoadError when the file cannot be
    // loaded. A tinted picture is one of its own, loaded on its first request.
    Image* Get(const std::string& path, uint32_t tint = Image::White);

    bool Contains(const std::string& path) const { return Images.count(path) != 0; }
    size_t Size() const { return Images.size(); }
    void Clear() { Images.clear(); }

private:
    std::map<std::string, std::unique_ptr<Image>> Images;
};
