#include "image_files.h"

#include <fstream>

namespace {

class ByteWriter {
public:
    void U8(unsigned v) { bytes.push_back(static_cast<char>(v & 0xFF)); }
    void U16(unsigned v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    std::string bytes;
};

// Rows of a device-independent bitmap are padded to whole 32-bit words.
int RowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void InfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, int colours,
                std::uint32_t imageBytes) {
    out.U32(40);
    out.U32(width);
    out.U32(height);
    out.U16(1);
    out.U16(bitsPerPixel);
    out.U32(0); // BI_RGB
    out.U32(imageBytes);
    out.U32(3780); // 96 dots per inch
    out.U32(3780);
    out.U32(colours);
    out.U32(0);
}

void Palette(ByteWriter& out, const std::vector<Rgb8>& palette, int entries) {
    for (int i = 0; i < entries; ++i) {
        const Rgb8 c = i < static_cast<int>(palette.size()) ? palette[i] : Rgb8{};
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
}

bool Save(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

// Colour indices, bottom row first, 4 bits per pixel with the left pixel high.
void Pixels4(ByteWriter& out, const IndexedImage& image) {
    const int row = RowBytes(image.width, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        std::string line(row, '\0');
        for (int x = 0; x < image.width; ++x) {
            const unsigned index = image.pixels[y * image.width + x] & 0x0F;
            line[x / 2] = static_cast<char>(line[x / 2] | (x % 2 ? index : index << 4));
        }
        out.bytes += line;
    }
}

void Mask(ByteWriter& out, const IconImage& icon) {
    const int width = icon.image.width;
    const int row = RowBytes(width, 1);
    for (int y = icon.image.height - 1; y >= 0; --y) {
        std::string line(row, '\0');
        for (int x = 0; x < width; ++x)
            if (icon.transparent[y * width + x])
                line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
        out.bytes += line;
    }
}

} // namespace

bool WriteBmp8(const std::string& path, const IndexedImage& image) {
    const int row = RowBytes(image.width, 8);
    const std::uint32_t imageBytes = row * image.height;
    const std::uint32_t offset = 14 + 40 + 256 * 4;
    ByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(offset + imageBytes);
    out.U32(0);
    out.U32(offset);
    InfoHeader(out, image.width, image.height, 8, 256, imageBytes);
    Palette(out, image.palette, 256);
    for (int y = image.height - 1; y >= 0; --y) {
        const auto* first = &image.pixels[y * image.width];
        out.bytes.append(reinterpret_cast<const char*>(first), image.width);
        out.bytes.append(row - image.width, '\0');
    }
    return Save(path, out.bytes);
}

bool WriteIco4(const std::string& path, const std::vector<IconImage>& images) {
    ByteWriter out;
    out.U16(0);
    out.U16(1); // icon, not cursor
    out.U16(static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    std::vector<ByteWriter> bodies(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IndexedImage& image = images[i].image;
        // The height of an icon's header counts the colour rows and the mask rows.
        InfoHeader(bodies[i], image.width, image.height * 2, 4, 16,
                   (RowBytes(image.width, 4) + RowBytes(image.width, 1)) * image.height);
        Palette(bodies[i], image.palette, 16);
        Pixels4(bodies[i], image);
        Mask(bodies[i], images[i]);
        out.U8(image.width);
        out.U8(image.height);
        out.U8(16);
        out.U8(0);
        out.U16(1);
        out.U16(4);
        out.U32(static_cast<std::uint32_t>(bodies[i].bytes.size()));
        out.U32(offset);
        offset += static_cast<std::uint32_t>(bodies[i].bytes.size());
    }
    for (const ByteWriter& body : bodies)
        out.bytes += body.bytes;
    return Save(path, out.bytes);
}
