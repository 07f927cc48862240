#include "figure.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "kit.h"

namespace pic {

namespace {

using namespace colour;

const Rgb kSkin = hex(0xf4c8a0);
const Rgb kHair = hex(0x6a3a1a);

struct Outfit {
    Rgb shirt;
    Rgb trousers;
    Rgb boots;
    Rgb hammerHead;  // no hammer when the stage has none
    bool hammer = false;
    bool bigHammer = false;
    bool apron = false;
    bool armour = false;
    Rgb armourColour;
    bool helmet = false;
    bool plume = false;
    bool cape = false;
    bool radiance = false;
};

Outfit outfit(int stage) {
    Outfit o;
    o.shirt = hex(0xe8d8b0);
    o.trousers = hex(0x7a5a3a);
    o.boots = hex(0x5a3a20);
    switch (stage) {
        case 0: break;
        case 5: o.radiance = true; [[fallthrough]];
        case 4:
            o.cape = true;
            o.plume = true;
            [[fallthrough]];
        case 3:
            o.armour = true;
            o.helmet = true;
            o.boots = hex(0x8a9098);
            [[fallthrough]];
        case 2:
            o.apron = true;
            o.bigHammer = true;
            [[fallthrough]];
        case 1:
            o.hammer = true;
            o.shirt = stage == 1 ? hex(0xf4f0e8) : hex(0x4a6a9a);
            o.trousers = stage == 1 ? hex(0x6a5040) : hex(0x3a3040);
            break;
        default: throw std::invalid_argument("character stage out of range");
    }
    o.armourColour = stage == 5 ? kGold : kSteel;
    o.hammerHead = stage == 5 ? hex(0x7a68e0) : (stage == 4 ? kGold : hex(0x9aa0a8));
    return o;
}

void limb(Painter& p, Vec2 a, Vec2 b, double width, Rgb c) {
    p.line(a, b, width, linear(a + Vec2{-width, 0}, shade(c, 1.15), a + Vec2{width, 0}, shade(c, 0.8)));
}

void hammerInHand(Painter& p, const Outfit& o, Vec2 hand) {
    p.save();
    p.translate(hand.x, hand.y);
    if (o.bigHammer) {
        // Held up beside the head.
        p.rotate(18);
        p.roundRect(-2.2, -46, 2.2, 8, 1.2, cylinder(kWood, -2.2, 2.2));
        p.roundRect(-11, -58, 11, -44, 2.5, cylinderAcross(o.hammerHead, -58, -44));
        p.roundRect(-12.5, -59, -9, -43, 1, solid(shade(o.hammerHead, 0.75)));
        p.roundRect(9, -59, 12.5, -43, 1, solid(shade(o.hammerHead, 0.75)));
    } else {
        // A small hammer hanging from the hand.
        p.rotate(-12);
        p.roundRect(-1.6, -4, 1.6, 20, 0.8, cylinder(kWood, -1.6, 1.6));
        p.roundRect(-7, 18, 7, 26, 1.8, cylinderAcross(o.hammerHead, 18, 26));
    }
    p.restore();
}

Layer drawCharacter(int stage) {
    const Outfit o = outfit(stage);
    Layer figure(kCharacterSize, kCharacterSize);
    Painter p(figure);

    if (o.radiance) {
        // A golden sunburst behind the figure.
        Contour burst = starPoints({62, 60}, 16, 56, 38, 0);
        p.polygon(burst, radial({62, 60}, 56, hex(0xfff2a0), hex(0xf0c040)));
        p.circle({62, 60}, 40, radial({62, 60}, 40, hex(0xfffbe0), hex(0xfff2a0)));
    }
    if (o.cape) {
        p.polygon({{44, 52}, {81, 52}, {96, 108}, {80, 104}, {62, 110}, {44, 104}, {28, 108}},
                  linear({28, 60}, hex(0xb01c1c), {96, 100}, hex(0x6a0a10)));
    }
    // Legs and boots.
    limb(p, {55, 88}, {54, 106}, 10, o.trousers);
    limb(p, {70, 88}, {71, 106}, 10, o.trousers);
    p.roundRect(47, 102, 60, 113, 3, cylinderAcross(o.boots, 102, 113));
    p.roundRect(65, 102, 78, 113, 3, cylinderAcross(o.boots, 102, 113));

    // Body.
    const Contour torso{{45, 52}, {80, 52}, {78, 88}, {47, 88}};
    p.polygon(torso, cylinder(o.shirt, 45, 80));
    p.rect(46, 82, 79, 87, solid(hex(0x4a2a14)));  // belt
    p.rect(59, 82, 66, 87, solid(kGold));
    if (o.apron) {
        p.polygon({{50, 58}, {75, 58}, {77, 100}, {48, 100}}, cylinder(hex(0x8a5a30), 48, 77));
        p.line({50, 58}, {56, 50}, 1.6, solid(hex(0x5a3a1a)));
        p.line({75, 58}, {69, 50}, 1.6, solid(hex(0x5a3a1a)));
        p.rect(55, 74, 70, 80, solid(hex(0x6a4020)));  // pocket
    }
    if (o.armour) {
        p.polygon({{47, 54}, {78, 54}, {76, 78}, {62, 83}, {49, 78}}, cylinder(o.armourColour, 47, 78));
        p.line({62, 56}, {62, 81}, 1.2, solid(shade(o.armourColour, 0.6)));
        p.ellipse({45, 56}, 8, 6, sphere(o.armourColour, {45, 56}, 8));
        p.ellipse({80, 56}, 8, 6, sphere(o.armourColour, {80, 56}, 8));
        if (o.cape) {
            p.polyline({{49, 78}, {62, 83}, {76, 78}}, 1.6, solid(kGold));
        }
    }

    // Arms: the left one hangs, the right one holds the hammer.
    const Rgb sleeve = o.armour ? o.armourColour : o.shirt;
    limb(p, {46, 57}, {40, 84}, 8.5, sleeve);
    limb(p, {79, 57}, {85, 80}, 8.5, sleeve);
    const Rgb hand = o.apron ? hex(0x5a3a20) : kSkin;  // gloves from the apron on
    p.circle({40, 86}, 4.8, sphere(hand, {40, 86}, 4.8));
    if (o.hammer) {
        hammerInHand(p, o, {85, 82});
    }
    p.circle({85, 82}, 4.8, sphere(hand, {85, 82}, 4.8));

    // Head.
    p.rect(58, 46, 67, 53, solid(shade(kSkin, 0.85)));  // neck
    p.circle({62, 33}, 18, sphere(kSkin, {62, 33}, 18));
    if (o.helmet) {
        p.polygon({{43, 30}, {46, 18}, {54, 12}, {70, 12}, {78, 18}, {81, 30}, {76, 27}, {48, 27}},
                  cylinder(o.armourColour, 43, 81));
        p.rect(60.5, 12, 63.5, 27, solid(shade(o.armourColour, 0.7)));
        if (o.plume) {
            p.polygon({{60, 13}, {58, 4}, {66, 0}, {80, 4}, {70, 8}, {65, 13}},
                      linear({58, 0}, hex(0xe02020), {80, 8}, hex(0x801010)));
        }
    } else {
        p.polygon({{44, 32},
                   {44, 20},
                   {52, 12},
                   {62, 10},
                   {74, 13},
                   {81, 22},
                   {80, 32},
                   {76, 24},
                   {70, 22},
                   {64, 26},
                   {58, 21},
                   {52, 26},
                   {48, 24}},
                  linear({44, 10}, shade(kHair, 1.3), {80, 32}, shade(kHair, 0.8)));
    }
    p.ellipse({55.5, 36}, 2.0, 2.8, solid(hex(0x2a1a10)));
    p.ellipse({68.5, 36}, 2.0, 2.8, solid(hex(0x2a1a10)));
    p.circle({55, 35}, 0.8, solid(Rgb{1, 1, 1}));
    p.circle({68, 35}, 0.8, solid(Rgb{1, 1, 1}));
    p.ellipse({51, 42}, 3, 1.6, solid(hex(0xf08a80), 0.5));
    p.ellipse({73, 42}, 3, 1.6, solid(hex(0xf08a80), 0.5));
    p.polyline({{58, 44}, {62, 46}, {66, 44}}, 1.2, solid(hex(0x7a3020)));

    if (o.radiance) {
        for (const Vec2 at : {Vec2{24, 30}, Vec2{100, 24}, Vec2{104, 70}, Vec2{22, 72}}) {
            p.polygon(starPoints(at, 4, 6, 1.6), solid(hex(0xfffce8)));
        }
    }
    return withOutline(figure, kOutline, 0.9);
}

}  // namespace

Image characterPicture(int stage, Rgb key) {
    const Layer layer = drawCharacter(stage);
    Layer ground(kCharacterSize, kCharacterSize);
    Painter gp(ground);
    gp.ellipse({62, 114}, 26, 4.5, solid(Rgb{0.3, 0.24, 0.16}, 0.45));  // shadow on the floor
    ground.drawOver(layer);
    const Rgb8 k = toRgb8(key);
    Image img = flattenMasked(ground, key, 0.3, k);
    for (std::size_t i = 0; i < img.pixels.size(); ++i) {
        if (img.opaque[i] && img.pixels[i] == k) {
            img.pixels[i].b = static_cast<std::uint8_t>(k.b > 0 ? k.b - 1 : 1);
        }
    }
    if (img.opaque[static_cast<std::size_t>(kCharacterSize - 1) * kCharacterSize]) {
        throw std::logic_error("character figure reaches the bottom-left corner");
    }
    img.opaque.clear();  // stored as a plain opaque bitmap
    return img;
}

}  // namespace pic
