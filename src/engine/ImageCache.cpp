#include "engine/ImageCache.h"

Image* ImageCache::Get(const std::string& path) {
    auto found = Images.find(path);
    if (found != Images.end())
        return found->second.get();
    auto image = std::make_unique<Image>(path);
    Image* raw = image.get();
    Images.emplace(path, std::move(image));
    return raw;
}
