#!/usr/bin/python3
"""Draws the program's art and writes it beside this script:

  banner.jpg   193 x 98, progressive JPEG, three colour components: a pale blue halftone band
               seen in perspective, its dots growing toward the lower right, fading into white
               toward the top and the left.
  Install.ico  MAINICON: a yellow exclamation mark on a white disc speckled with blue, with a
               blue-grey rim; 16 x 16 and 32 x 32, each in 16 and in 256 colours.

The build uses the committed output; run this again only to change the art (Debian: python3-pil).
Everything is drawn from fixed numbers and a fixed seed, so a run gives the same files again.
"""
import math
import os
import random
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
SUPER = 4  # drawn at four times the size, then reduced: smooth dot edges


def smoothstep(edge0, edge1, x):
    t = min(1.0, max(0.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


def banner():
    width, height = 193, 98
    big = Image.new("RGB", (width * SUPER, height * SUPER), "white")
    draw = ImageDraw.Draw(big)
    blue = (122, 160, 214)
    # The band: rows of dots between two lines that meet far off to the upper left. Along the
    # band (u) the dots grow and spread; across it (v) they stay on their row.
    vanish_x, vanish_y = -150.0, -40.0
    near_x, near_y = 215.0, 120.0
    rows = 9
    for row in range(rows):
        v = (row + 0.5) / rows - 0.5          # -0.5 .. 0.5 across the band
        for step in range(60):
            u = (step / 59.0) ** 1.6          # 0 far .. 1 near: spacing grows toward us
            # the band's centre line from the vanishing point to the near corner, its width
            # growing with u; a gentle bend makes it read as a ribbon, not a wedge
            cx = vanish_x + (near_x - vanish_x) * u
            cy = vanish_y + (near_y - vanish_y) * u + 14 * math.sin(u * math.pi)
            spread = 6 + 70 * u
            x = cx - v * spread * 0.55
            y = cy + v * spread
            if not (-8 <= x <= width + 8 and -8 <= y <= height + 8):
                continue
            radius = 0.4 + 3.6 * u * (0.75 + 0.25 * math.cos(v * math.pi))
            fade = smoothstep(-10, 120, x) * smoothstep(-5, 70, y)
            if fade <= 0.02:
                continue
            colour = tuple(round(255 - (255 - c) * fade) for c in blue)
            r = radius * SUPER
            X, Y = x * SUPER, y * SUPER
            draw.ellipse((X - r, Y - r, X + r, Y + r), fill=colour)
    image = big.resize((width, height), Image.LANCZOS)
    image.save(os.path.join(HERE, "banner.jpg"), "JPEG", quality=88, progressive=True,
               optimize=True)


# --- Icon ---------------------------------------------------------------------------------

# The classic 16-colour palette of the system.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def icon_image(size):
    s = size * 8
    big = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    margin = s * 0.03
    draw.ellipse((margin, margin, s - margin, s - margin), fill=(92, 108, 140, 255))  # rim
    rim = s * (0.10 if size >= 32 else 0.12)
    draw.ellipse((margin + rim, margin + rim, s - margin - rim, s - margin - rim),
                 fill=(255, 255, 255, 255))
    rng = random.Random(size)
    centre, disc = s / 2, s / 2 - margin - rim
    speckles = 70 if size >= 32 else 14
    dot = s * (0.028 if size >= 32 else 0.05)
    for _ in range(speckles):
        angle, dist = rng.uniform(0, 2 * math.pi), disc * math.sqrt(rng.uniform(0.05, 0.85))
        x, y = centre + dist * math.cos(angle), centre + dist * math.sin(angle)
        if abs(x - centre) < s * 0.14:  # keep the mark's column clear
            continue
        draw.ellipse((x - dot, y - dot, x + dot, y + dot), fill=(40, 80, 200, 255))
    # The exclamation mark: a tapering bar and a dot, yellow with a dark outline.
    outline = s * (0.035 if size >= 32 else 0.06)
    bar_top, bar_bottom = s * 0.20, s * 0.62
    top_half, bottom_half = s * 0.085, s * 0.05
    bar = [(centre - top_half, bar_top), (centre + top_half, bar_top),
           (centre + bottom_half, bar_bottom), (centre - bottom_half, bar_bottom)]
    dot_r, dot_y = s * 0.075, s * 0.76
    for grow, colour in ((outline, (60, 40, 0, 255)), (0, (255, 214, 0, 255))):
        grown = [(bar[0][0] - grow, bar[0][1] - grow), (bar[1][0] + grow, bar[1][1] - grow),
                 (bar[2][0] + grow, bar[2][1] + grow), (bar[3][0] - grow, bar[3][1] + grow)]
        draw.polygon(grown, fill=colour)
        r = dot_r + grow
        draw.ellipse((centre - r, dot_y - r, centre + r, dot_y + r), fill=colour)
    return big.resize((size, size), Image.LANCZOS)


def palette_entry(image, colours):
    """One icon image as a DIB: header, palette, colour bits and the transparency mask."""
    size = image.width
    opaque = [a >= 128 for a in image.getchannel("A").getdata()]
    rgb = Image.new("RGB", image.size, (255, 255, 255))
    rgb.paste(image, mask=image.getchannel("A"))
    if colours == 16:
        palette_image = Image.new("P", (1, 1))
        palette_image.putpalette([c for rgb_ in VGA16 for c in rgb_] * 16)
        indexed = rgb.quantize(palette=palette_image, dither=Image.Dither.NONE)
        palette = VGA16
        bits = 4
    else:
        # 255 colours from the picture after black at index 0, the colour under the mask.
        indexed = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                               dither=Image.Dither.NONE)
        flat = [0, 0, 0] + indexed.getpalette()[:255 * 3]
        flat += [0] * (256 * 3 - len(flat))
        palette = [tuple(flat[i:i + 3]) for i in range(0, 256 * 3, 3)]
        bits = 8
    pixels = list(indexed.getdata())
    if colours == 256:
        pixels = [p + 1 for p in pixels]
    for i, keep in enumerate(opaque):
        if not keep:
            pixels[i] = 0  # black under the mask, as the system expects

    def rows_bottom_up(values, bits_per_pixel):
        out = b""
        stride = ((size * bits_per_pixel + 31) // 32) * 4
        for y in range(size - 1, -1, -1):
            row = values[y * size:(y + 1) * size]
            acc, nbits, data = 0, 0, bytearray()
            for v in row:
                acc = (acc << bits_per_pixel) | v
                nbits += bits_per_pixel
                if nbits == 8:
                    data.append(acc)
                    acc, nbits = 0, 0
            if nbits:
                data.append(acc << (8 - nbits))
            out += bytes(data) + b"\0" * (stride - len(data))
        return out

    xor = rows_bottom_up(pixels, bits)
    mask = rows_bottom_up([0 if keep else 1 for keep in opaque], 1)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(xor) + len(mask),
                         0, 0, colours, 0)
    quads = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return header + quads + xor + mask


def icon():
    entries = []
    for size in (16, 32):
        image = icon_image(size)
        for colours in (16, 256):
            entries.append((size, colours, palette_entry(image, colours)))
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    body = b""
    for size, colours, data in entries:
        bits = 4 if colours == 16 else 8
        directory += struct.pack("<BBBBHHII", size, size, colours % 256, 0, 1, bits, len(data),
                                 offset + len(body))
        body += data
    with open(os.path.join(HERE, "Install.ico"), "wb") as out:
        out.write(directory + body)


if __name__ == "__main__":
    banner()
    icon()
