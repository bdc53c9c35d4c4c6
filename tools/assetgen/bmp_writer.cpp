#include "bmp_writer.h"
#include "le_bytes.h"

std::vector<uint8_t> encodeBmp(const Image& image) {
    const uint32_t rowBytes = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(image.height);
    const uint32_t headerBytes = 14 + 40;
    std::vector<uint8_t> out;
    out.reserve(headerBytes + pixelBytes);

    // File header.
    out.push_back('B');
    out.push_back('M');
    putU32(out, headerBytes + pixelBytes);
    putU32(out, 0);  // two reserved words
    putU32(out, headerBytes);
    // Info header.
    putU32(out, 40);
    putU32(out, static_cast<uint32_t>(image.width));
    putU32(out, static_cast<uint32_t>(image.height));  // positive: bottom row first
    putU16(out, 1);                                     // planes
    putU16(out, 24);                                    // bits per pixel
    putU32(out, 0);                                     // BI_RGB, no compression
    putU32(out, pixelBytes);
    putU32(out, 2835);  // 72 dpi, horizontally and vertically
    putU32(out, 2835);
    putU32(out, 0);  // colours used
    putU32(out, 0);  // important colours

    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = image.at(x, y);
            out.push_back(p[2]);  // stored as blue, green, red
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        for (uint32_t pad = static_cast<uint32_t>(image.width) * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}
