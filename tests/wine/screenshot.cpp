// A window, as the screen shows it, saved as a PNG file.
//
// The pixels are copied from the screen rather than asked of the window, so
// the picture is what a user would see, frame and all.  The PNG is written
// uncompressed (stored deflate blocks): a message box is small, and this
// keeps the writer free of any library.
#include "tests/wine/screenshot.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

uint32_t Crc32(const uint8_t* bytes, size_t length, uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < length; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

void PutBigEndian(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  std::string typed = std::string(type, 4) + data;
  out += typed;
  PutBigEndian(out, Crc32(reinterpret_cast<const uint8_t*>(typed.data()), typed.size()));
}

// |raw| as a zlib stream of stored blocks.
std::string StoredZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  uint32_t a = 1, b = 0;
  for (unsigned char byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  size_t offset = 0;
  do {
    size_t length = raw.size() - offset < 65535 ? raw.size() - offset : 65535;
    bool last = offset + length == raw.size();
    out += static_cast<char>(last ? 1 : 0);
    out += static_cast<char>(length & 0xFF);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(~length & 0xFF);
    out += static_cast<char>((~length >> 8) & 0xFF);
    out.append(raw, offset, length);
    offset += length;
  } while (offset < raw.size());
  PutBigEndian(out, (b << 16) | a);
  return out;
}

}  // namespace

bool SaveWindowPng(HWND window, const std::string& path) {
  RECT frame;
  if (!GetWindowRect(window, &frame)) return false;
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  if (width <= 0 || height <= 0) return false;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  bool copied = bitmap && BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);

  std::string raw;  // each row: filter byte 0, then RGB
  if (copied) {
    const uint8_t* pixels = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
      raw += '\0';
      for (int x = 0; x < width; ++x) {
        const uint8_t* bgra = pixels + (static_cast<size_t>(y) * width + x) * 4;
        raw += static_cast<char>(bgra[2]);
        raw += static_cast<char>(bgra[1]);
        raw += static_cast<char>(bgra[0]);
      }
    }
  }
  SelectObject(memory, previous);
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied) return false;

  std::string header;
  PutBigEndian(header, width);
  PutBigEndian(header, height);
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace
  std::string png = "\x89PNG\r\n\x1a\n";
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", StoredZlib(raw));
  PutChunk(png, "IEND", "");

  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr) &&
            written == png.size();
  CloseHandle(file);
  return ok;
}
