#include "formats.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <stdexcept>

#include <jpeglib.h>
#include <zlib.h>

namespace pic {

Rgb8 toRgb8(Rgb c) {
    const Rgb k = clamp01(c);
    auto q = [](double v) { return static_cast<std::uint8_t>(std::lround(v * 255.0)); };
    return {q(k.r), q(k.g), q(k.b)};
}

Image flatten(const Layer& layer, Rgb bg) {
    Image img{layer.width(), layer.height(), {}, {}};
    img.pixels.reserve(static_cast<std::size_t>(img.width) * img.height);
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            const Rgba& p = layer.at(x, y);
            const double k = 1.0 - p.a;
            img.pixels.push_back(toRgb8({p.r + bg.r * k, p.g + bg.g * k, p.b + bg.b * k}));
        }
    }
    return img;
}

Image flattenMasked(const Layer& layer, Rgb matte, double threshold, Rgb8 transparentColour) {
    Image img = flatten(layer, matte);
    img.opaque.resize(img.pixels.size());
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * img.width + x;
            img.opaque[i] = layer.at(x, y).a >= threshold;
            if (!img.opaque[i]) {
                img.pixels[i] = transparentColour;
            }
        }
    }
    return img;
}

namespace {

struct Counted {
    Rgb8 colour;
    std::uint32_t count;
};

int channel(const Rgb8& c, int k) { return k == 0 ? c.r : (k == 1 ? c.g : c.b); }

int distance2(const Rgb8& a, const Rgb8& b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    // Green weighs most for the eye, blue least.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::vector<Rgb8> medianCut(std::vector<Counted> colours, int wanted) {
    std::vector<std::vector<Counted>> boxes{std::move(colours)};
    while (static_cast<int>(boxes.size()) < wanted) {
        // Split the box with the widest weighted channel range.
        int best = -1, bestChannel = 0;
        double bestScore = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2) {
                continue;
            }
            std::uint64_t weight = 0;
            for (const Counted& c : boxes[i]) {
                weight += c.count;
            }
            for (int k = 0; k < 3; ++k) {
                int lo = 255, hi = 0;
                for (const Counted& c : boxes[i]) {
                    lo = std::min(lo, channel(c.colour, k));
                    hi = std::max(hi, channel(c.colour, k));
                }
                const double score = (hi - lo) * std::sqrt(static_cast<double>(weight));
                if (score > bestScore) {
                    bestScore = score;
                    best = static_cast<int>(i);
                    bestChannel = k;
                }
            }
        }
        if (best < 0) {
            break;
        }
        std::vector<Counted>& box = boxes[best];
        std::sort(box.begin(), box.end(), [bestChannel](const Counted& a, const Counted& b) {
            return channel(a.colour, bestChannel) < channel(b.colour, bestChannel);
        });
        std::uint64_t total = 0, run = 0;
        for (const Counted& c : box) {
            total += c.count;
        }
        std::size_t cut = 1;
        for (; cut < box.size() - 1; ++cut) {
            run += box[cut - 1].count;
            if (run * 2 >= total) {
                break;
            }
        }
        std::vector<Counted> upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<Rgb8> palette;
    for (const auto& box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (const Counted& c : box) {
            r += c.colour.r * static_cast<double>(c.count);
            g += c.colour.g * static_cast<double>(c.count);
            b += c.colour.b * static_cast<double>(c.count);
            n += c.count;
        }
        palette.push_back(toRgb8({r / n / 255, g / n / 255, b / n / 255}));
    }
    return palette;
}

std::size_t nearest(const std::vector<Rgb8>& palette, const Rgb8& c, std::size_t first) {
    std::size_t best = first;
    int bestD = std::numeric_limits<int>::max();
    for (std::size_t i = first; i < palette.size(); ++i) {
        const int d = distance2(palette[i], c);
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

IndexedImage quantise(const Image& image, int colours, bool reserveTransparent) {
    std::map<std::uint32_t, std::uint32_t> histogram;
    auto key = [](const Rgb8& c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; };
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        if (image.opaque.empty() || image.opaque[i]) {
            ++histogram[key(image.pixels[i])];
        }
    }
    std::vector<Counted> counted;
    for (const auto& [k, n] : histogram) {
        counted.push_back(
            {Rgb8{static_cast<std::uint8_t>(k >> 16), static_cast<std::uint8_t>(k >> 8), static_cast<std::uint8_t>(k)},
             n});
    }
    const std::size_t first = reserveTransparent ? 1 : 0;
    const int available = colours - static_cast<int>(first);
    std::vector<Rgb8> palette;
    if (static_cast<int>(counted.size()) <= available) {
        for (const Counted& c : counted) {
            palette.push_back(c.colour);
        }
    } else {
        palette = medianCut(counted, available);
        // The most frequent colour (usually the background) is kept exact.
        const Counted top = *std::max_element(counted.begin(), counted.end(),
                                              [](const Counted& a, const Counted& b) { return a.count < b.count; });
        for (int round = 0; round < 6; ++round) {
            std::vector<std::array<double, 4>> sums(palette.size(), {0, 0, 0, 0});
            for (const Counted& c : counted) {
                auto& s = sums[nearest(palette, c.colour, 0)];
                s[0] += c.colour.r * static_cast<double>(c.count);
                s[1] += c.colour.g * static_cast<double>(c.count);
                s[2] += c.colour.b * static_cast<double>(c.count);
                s[3] += c.count;
            }
            for (std::size_t i = 0; i < palette.size(); ++i) {
                if (sums[i][3] > 0) {
                    palette[i] = toRgb8(
                        {sums[i][0] / sums[i][3] / 255, sums[i][1] / sums[i][3] / 255, sums[i][2] / sums[i][3] / 255});
                }
            }
        }
        palette[nearest(palette, top.colour, 0)] = top.colour;
    }
    if (reserveTransparent) {
        palette.insert(palette.begin(), Rgb8{0, 0, 0});
    }
    IndexedImage out{image.width, image.height, {}, palette};
    out.indices.reserve(image.pixels.size());
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const bool transparent = !image.opaque.empty() && !image.opaque[i];
        out.indices.push_back(static_cast<std::uint8_t>(transparent ? 0 : nearest(palette, image.pixels[i], first)));
    }
    return out;
}

namespace {

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

void putBe32(Bytes& b, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) {
        b.push_back(static_cast<std::uint8_t>(v >> s));
    }
}

std::uint32_t rowBytes(int width, int bits) { return ((static_cast<std::uint32_t>(width) * bits + 31) / 32) * 4; }

// BITMAPINFOHEADER: 40 bytes, one plane, uncompressed.
void putInfoHeader(Bytes& b, int width, int height, int bits, std::uint32_t imageSize, std::uint32_t paletteSize) {
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(width));
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);
    put16(b, static_cast<std::uint32_t>(bits));
    put32(b, 0);
    put32(b, imageSize);
    put32(b, 2835);  // 72 dots per inch
    put32(b, 2835);
    put32(b, paletteSize);
    put32(b, 0);
}

void putFileHeader(Bytes& b, std::uint32_t fileSize, std::uint32_t pixelOffset) {
    b.push_back('B');
    b.push_back('M');
    put32(b, fileSize);
    put32(b, 0);
    put32(b, pixelOffset);
}

void putPalette(Bytes& b, const std::vector<Rgb8>& palette, std::size_t entries) {
    for (std::size_t i = 0; i < entries; ++i) {
        const Rgb8 c = i < palette.size() ? palette[i] : Rgb8{};
        b.push_back(c.b);
        b.push_back(c.g);
        b.push_back(c.r);
        b.push_back(0);
    }
}

// Packs one row of palette indices at 4 or 8 bits, padded to 4 bytes.
void putIndexRow(Bytes& b, const IndexedImage& img, int y, int bits) {
    const std::size_t start = b.size();
    const std::uint8_t* row = &img.indices[static_cast<std::size_t>(y) * img.width];
    if (bits == 8) {
        b.insert(b.end(), row, row + img.width);
    } else {
        for (int x = 0; x < img.width; x += 2) {
            const std::uint8_t hi = row[x];
            const std::uint8_t lo = x + 1 < img.width ? row[x + 1] : 0;
            b.push_back(static_cast<std::uint8_t>((hi << 4) | lo));
        }
    }
    while (b.size() - start < rowBytes(img.width, bits)) {
        b.push_back(0);
    }
}

}  // namespace

Bytes encodeBmp24(const Image& img) {
    const std::uint32_t stride = rowBytes(img.width, 24);
    const std::uint32_t size = stride * static_cast<std::uint32_t>(img.height);
    Bytes b;
    putFileHeader(b, 54 + size, 54);
    putInfoHeader(b, img.width, img.height, 24, size, 0);
    for (int y = img.height - 1; y >= 0; --y) {
        for (int x = 0; x < img.width; ++x) {
            const Rgb8& c = img.at(x, y);
            b.push_back(c.b);
            b.push_back(c.g);
            b.push_back(c.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(img.width) * 3; pad < stride; ++pad) {
            b.push_back(0);
        }
    }
    return b;
}

Bytes encodeBmpIndexed(const IndexedImage& img, int bits) {
    if ((bits != 4 && bits != 8) || img.palette.size() > (std::size_t{1} << bits)) {
        throw std::invalid_argument("palette does not fit the bit depth");
    }
    const std::uint32_t entries = 1u << bits;
    const std::uint32_t size = rowBytes(img.width, bits) * static_cast<std::uint32_t>(img.height);
    const std::uint32_t offset = 54 + entries * 4;
    Bytes b;
    putFileHeader(b, offset + size, offset);
    putInfoHeader(b, img.width, img.height, bits, size, entries);
    putPalette(b, img.palette, entries);
    for (int y = img.height - 1; y >= 0; --y) {
        putIndexRow(b, img, y, bits);
    }
    return b;
}

namespace {

// Variable-width LZW code writer, least significant bit first, packed into
// GIF data sub-blocks of at most 255 bytes.
class GifBitWriter {
public:
    void write(int code, int width) {
        acc_ |= static_cast<std::uint32_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(acc_));
            acc_ >>= 8;
            bits_ -= 8;
        }
    }
    Bytes finish() {
        if (bits_ > 0) {
            bytes_.push_back(static_cast<std::uint8_t>(acc_));
        }
        Bytes out;
        for (std::size_t i = 0; i < bytes_.size(); i += 255) {
            const std::size_t n = std::min<std::size_t>(255, bytes_.size() - i);
            out.push_back(static_cast<std::uint8_t>(n));
            out.insert(out.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(i),
                       bytes_.begin() + static_cast<std::ptrdiff_t>(i + n));
        }
        out.push_back(0);
        return out;
    }

private:
    std::uint32_t acc_ = 0;
    int bits_ = 0;
    Bytes bytes_;
};

Bytes lzwCompress(const std::vector<std::uint8_t>& data, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    constexpr int kMaxCodes = 4096;
    GifBitWriter out;
    std::map<std::pair<int, int>, int> table;
    int codeSize = minCodeSize + 1;
    int next = end + 1;
    out.write(clear, codeSize);
    int current = data.empty() ? -1 : data[0];
    for (std::size_t i = 1; i < data.size(); ++i) {
        const int k = data[i];
        if (auto it = table.find({current, k}); it != table.end()) {
            current = it->second;
            continue;
        }
        out.write(current, codeSize);
        // The decoder adds each entry one code later than we do, so it
        // widens its codes when the entry just added reaches 2^codeSize.
        table[{current, k}] = next;
        if (next == (1 << codeSize) && codeSize < 12) {
            ++codeSize;
        }
        ++next;
        if (next == kMaxCodes) {
            out.write(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            next = end + 1;
        }
        current = k;
    }
    if (current >= 0) {
        out.write(current, codeSize);
    }
    out.write(end, codeSize);
    return out.finish();
}

}  // namespace

Bytes encodeGif(const IndexedImage& img, int transparentIndex) {
    int tableBits = 1;
    while ((1u << tableBits) < img.palette.size()) {
        ++tableBits;
    }
    Bytes b{'G', 'I', 'F', '8', '9', 'a'};
    put16(b, static_cast<std::uint32_t>(img.width));
    put16(b, static_cast<std::uint32_t>(img.height));
    b.push_back(static_cast<std::uint8_t>(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));  // global table
    b.push_back(static_cast<std::uint8_t>(transparentIndex));                                 // background colour index
    b.push_back(0);                                                                           // square pixels
    for (std::size_t i = 0; i < (std::size_t{1} << tableBits); ++i) {
        const Rgb8 c = i < img.palette.size() ? img.palette[i] : Rgb8{};
        b.insert(b.end(), {c.r, c.g, c.b});
    }
    // Graphic Control Extension: no disposal, transparent colour flag set.
    b.insert(b.end(), {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, static_cast<std::uint8_t>(transparentIndex), 0x00});
    b.push_back(0x2C);  // image descriptor
    put16(b, 0);
    put16(b, 0);
    put16(b, static_cast<std::uint32_t>(img.width));
    put16(b, static_cast<std::uint32_t>(img.height));
    b.push_back(0);  // no local table, not interlaced
    const int minCodeSize = std::max(2, tableBits);
    b.push_back(static_cast<std::uint8_t>(minCodeSize));
    const Bytes data = lzwCompress(img.indices, minCodeSize);
    b.insert(b.end(), data.begin(), data.end());
    b.push_back(0x3B);
    return b;
}

Bytes encodeIco(const IndexedImage& img, const std::vector<bool>& opaque) {
    if (img.palette.size() > 16) {
        throw std::invalid_argument("icon palette has more than 16 colours");
    }
    const std::uint32_t xorSize = rowBytes(img.width, 4) * static_cast<std::uint32_t>(img.height);
    const std::uint32_t andSize = rowBytes(img.width, 1) * static_cast<std::uint32_t>(img.height);
    const std::uint32_t resource = 40 + 16 * 4 + xorSize + andSize;
    Bytes b;
    put16(b, 0);
    put16(b, 1);  // icon
    put16(b, 1);  // one image
    b.push_back(static_cast<std::uint8_t>(img.width));
    b.push_back(static_cast<std::uint8_t>(img.height));
    b.push_back(16);  // colours
    b.push_back(0);
    put16(b, 1);  // planes
    put16(b, 4);  // bits per pixel
    put32(b, resource);
    put32(b, 6 + 16);
    // The height counts the colour bitmap and the mask together.
    putInfoHeader(b, img.width, img.height * 2, 4, xorSize + andSize, 16);
    putPalette(b, img.palette, 16);
    for (int y = img.height - 1; y >= 0; --y) {
        putIndexRow(b, img, y, 4);
    }
    for (int y = img.height - 1; y >= 0; --y) {
        const std::size_t start = b.size();
        for (int x = 0; x < img.width; x += 8) {
            std::uint8_t bits = 0;
            for (int k = 0; k < 8 && x + k < img.width; ++k) {
                if (!opaque[static_cast<std::size_t>(y) * img.width + x + k]) {
                    bits |= static_cast<std::uint8_t>(0x80 >> k);
                }
            }
            b.push_back(bits);
        }
        while (b.size() - start < rowBytes(img.width, 1)) {
            b.push_back(0);
        }
    }
    return b;
}

namespace {

void pngChunk(Bytes& b, const char* type, const Bytes& data) {
    putBe32(b, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = b.size();
    b.insert(b.end(), type, type + 4);
    b.insert(b.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, b.data() + start, static_cast<uInt>(b.size() - start));
    putBe32(b, static_cast<std::uint32_t>(crc));
}

}  // namespace

Bytes encodePng(const Image& img) {
    Bytes raw;
    for (int y = 0; y < img.height; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < img.width; ++x) {
            const Rgb8& c = img.at(x, y);
            const bool on = img.opaque.empty() || img.opaque[static_cast<std::size_t>(y) * img.width + x];
            raw.insert(raw.end(), {c.r, c.g, c.b, static_cast<std::uint8_t>(on ? 255 : 0)});
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) {
        throw std::runtime_error("zlib compression failed");
    }
    packed.resize(packedSize);
    Bytes header;
    putBe32(header, static_cast<std::uint32_t>(img.width));
    putBe32(header, static_cast<std::uint32_t>(img.height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, deflate, no interlace
    Bytes b{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    pngChunk(b, "IHDR", header);
    pngChunk(b, "IDAT", packed);
    pngChunk(b, "IEND", {});
    return b;
}

namespace {

struct JpegError {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jpegFail(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }

}  // namespace

Bytes encodeJpeg(const Image& img, int quality) {
    jpeg_compress_struct cinfo{};
    JpegError err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = jpegFail;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<JSAMPLE> row(static_cast<std::size_t>(img.width) * 3);
    if (setjmp(err.jump) != 0) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        throw std::runtime_error("JPEG encoding failed");
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(img.width);
    cinfo.image_height = static_cast<JDIMENSION>(img.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);  // baseline, YCbCr with three components
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < img.width; ++x) {
            const Rgb8& c = img.at(x, static_cast<int>(cinfo.next_scanline));
            row[static_cast<std::size_t>(x) * 3] = c.r;
            row[static_cast<std::size_t>(x) * 3 + 1] = c.g;
            row[static_cast<std::size_t>(x) * 3 + 2] = c.b;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!f) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace pic
