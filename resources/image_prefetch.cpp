// Decoding pictures ahead of their requests, one worker thread each.
#include "resources/image_prefetch.h"

#include <system_error>

ImagePrefetch::~ImagePrefetch() { Drop(); }

void ImagePrefetch::Start(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (pending_.count(path) != 0) continue;
    try {
      pending_.emplace(path, std::async(std::launch::async, [path] {
                         Result result;
                         result.decoded = DecodeImageFile(path, result.image);
                         return result;
                       }));
    } catch (const std::system_error&) {
      // No thread to spare: the picture is decoded when it is requested.
      return;
    }
  }
}

bool ImagePrefetch::Take(const std::string& path, DecodedImage& image, bool& decoded) {
  auto found = pending_.find(path);
  if (found == pending_.end()) return false;
  Result result = found->second.get();
  pending_.erase(found);
  decoded = result.decoded;
  image = std::move(result.image);
  return true;
}

void ImagePrefetch::Drop() {
  for (auto& entry : pending_) entry.second.wait();
  pending_.clear();
}
