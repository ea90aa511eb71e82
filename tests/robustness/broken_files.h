// Broken contents for the show's files, most of them made from the real file's bytes.
#pragma once

#include <cstdint>
#include <string>

namespace brisa_test {

std::string FirstHalf(const std::string& bytes);

// All of the bytes but the last `count`.
std::string WithoutLastBytes(const std::string& bytes, size_t count);

// Bytes that no image decoder or module loader recognises; the same every time.
std::string Garbage(size_t size);

// Lines of bytes above 0x7F: text in no OBJ record, so a mesh of nothing.
std::string NonAsciiLines();

// The picture re-encoded as a PNG with 1 (grey) or 2 (grey and alpha) channels, same size.
std::string GreyPng(const std::string& imageBytes, int channels);

// The picture re-encoded as a one-channel JPEG, same size.
std::string GreyJpeg(const std::string& imageBytes);

// The picture less its last column and row, as a three-channel PNG: rows that are not a multiple of
// four bytes when the width is even.
std::string OddWidthRgbPng(const std::string& imageBytes);

// A valid little PNG whose header declares the given size.
std::string PngDeclaring(uint32_t width, uint32_t height);

// The text with one more line at its end.
std::string WithLineAppended(const std::string& text, const std::string& line);

}  // namespace brisa_test
