#!/usr/bin/python3
"""Draws the pictures of the two resource kits and writes the flash movie.

Run from anywhere with Debian's python3 and python3-pil:
    /usr/bin/python3 assets/effects/kits/draw.py
It rewrites every picture under 1qq/images and banner/images, 1qq/images/keifu.psd
(a layered Photoshop file of the panel picture) and focus.swf. The output is
the same on every run (fixed seeds, no time stamps).
"""
import math
import os
import random
import struct
import zlib

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"


def font(size):
    return ImageFont.truetype(FONT, size)


def out(*parts):
    path = os.path.join(HERE, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def save_png(img, path):
    img.save(path, "PNG", optimize=True)


def save_jpg(img, path, quality=85):
    img.convert("RGB").save(path, "JPEG", quality=quality, optimize=True)


# ---- online-service kit ---------------------------------------------------

BLUE = (31, 120, 209, 255)
DARK = (20, 86, 160, 255)

# keifu.png is one sprite, 170 x 130, read by style/index.css:
#   0,0 36x130  the closed tab at the page edge ("在线客服" top to bottom)
#   40,0 130x40 the open panel's head with the close cross at its right
#   40,50 130x16 the open panel's bottom
def keifu_layers():
    w, h = 170, 130
    tab = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    d = ImageDraw.Draw(tab)
    d.rounded_rectangle((0, 0, 35, 129), radius=6, fill=BLUE)
    d.ellipse((7, 6, 29, 28), outline=(255, 255, 255, 255), width=2)
    d.arc((12, 11, 24, 23), 20, 160, fill=(255, 255, 255, 255), width=2)
    f = font(14)
    for i, ch in enumerate("在线客服"):
        d.text((11, 36 + i * 22), ch, font=f, fill=(255, 255, 255, 255))

    head = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    d = ImageDraw.Draw(head)
    d.rounded_rectangle((40, 0, 169, 45), radius=6, fill=BLUE)
    d.rectangle((40, 30, 169, 39), fill=BLUE)
    d.text((50, 10), "在线客服", font=font(15), fill=(255, 255, 255, 255))
    # close cross at 146..164, 11..29
    d.ellipse((146, 11, 164, 29), fill=DARK)
    d.line((151, 16, 159, 24), fill=(255, 255, 255, 255), width=2)
    d.line((159, 16, 151, 24), fill=(255, 255, 255, 255), width=2)

    bottom = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    d = ImageDraw.Draw(bottom)
    d.rounded_rectangle((40, 50, 169, 65), radius=6, fill=BLUE)
    d.rectangle((40, 50, 169, 56), fill=BLUE)
    return [("tab", tab), ("head", head), ("bottom", bottom)]


def merge(layers):
    base = Image.new("RGBA", layers[0][1].size, (0, 0, 0, 0))
    for _, layer in layers:
        base = Image.alpha_composite(base, layer)
    return base


def write_psd(path, layers, merged):
    """A layered RGB Photoshop file, 8 bits, raw channel data."""
    w, h = merged.size
    def planes(img):
        r, g, b, a = img.split()
        return {-1: a.tobytes(), 0: r.tobytes(), 1: g.tobytes(), 2: b.tobytes()}
    records = b""
    channel_data = b""
    for name, img in layers:
        chans = planes(img)
        rec = struct.pack(">iiiiH", 0, 0, h, w, 4)
        for cid in (-1, 0, 1, 2):
            rec += struct.pack(">hI", cid, 2 + len(chans[cid]))
        rec += b"8BIMnorm" + struct.pack(">BBBB", 255, 0, 0x08, 0)
        pname = name.encode("ascii")
        pascal = bytes([len(pname)]) + pname
        pascal += b"\0" * (-len(pascal) % 4)
        extra = struct.pack(">II", 0, 0) + pascal
        rec += struct.pack(">I", len(extra)) + extra
        records += rec
        for cid in (-1, 0, 1, 2):
            channel_data += struct.pack(">H", 0) + chans[cid]
    info = struct.pack(">h", len(layers)) + records + channel_data
    info += b"\0" * (len(info) % 2)
    layer_section = struct.pack(">I", len(info)) + info + struct.pack(">I", 0)
    m = planes(merged)
    with open(path, "wb") as f:
        f.write(b"8BPS" + struct.pack(">H6xHIIHH", 1, 4, h, w, 8, 3))
        f.write(struct.pack(">I", 0))  # colour mode data
        f.write(struct.pack(">I", 0))  # image resources
        f.write(struct.pack(">I", len(layer_section)) + layer_section)
        f.write(struct.pack(">H", 0) + m[0] + m[1] + m[2] + m[-1])


def qq_button():
    img = Image.new("RGBA", (100, 28), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0, 0, 99, 27), radius=5, fill=(255, 255, 255, 255),
                        outline=(180, 196, 214, 255))
    d.ellipse((6, 4, 26, 24), fill=(18, 183, 245, 255))
    d.ellipse((11, 9, 14, 13), fill=(255, 255, 255, 255))
    d.ellipse((18, 9, 21, 13), fill=(255, 255, 255, 255))
    d.arc((10, 10, 22, 20), 20, 160, fill=(255, 255, 255, 255), width=2)
    d.text((32, 5), "QQ交谈", font=font(14), fill=(40, 40, 40, 255))
    return img


def qr_placeholder():
    """A code-like square to stand for the site's own messenger code."""
    n, cell = 25, 8
    rnd = random.Random(50)
    img = Image.new("RGB", (n * cell + 16, n * cell + 16), "white")
    d = ImageDraw.Draw(img)
    def finder(x, y):
        for k, c in ((0, "black"), (1, "white"), (2, "black")):
            d.rectangle((8 + (x + k) * cell, 8 + (y + k) * cell,
                         8 + (x + 7 - k) * cell - 1, 8 + (y + 7 - k) * cell - 1), fill=c)
    for y in range(n):
        for x in range(n):
            if rnd.random() < 0.5:
                d.rectangle((8 + x * cell, 8 + y * cell, 8 + x * cell + cell - 1,
                             8 + y * cell + cell - 1), fill="black")
    for x, y in ((0, 0), (n - 7, 0), (0, n - 7)):
        d.rectangle((8 + (x - 1) * cell, 8 + (y - 1) * cell, 8 + (x + 8) * cell - 1,
                     8 + (y + 8) * cell - 1), fill="white")
        finder(x, y)
    return img


# ---- banner kit -------------------------------------------------------------

SLIDES = {
    1: ((232, 93, 4), (250, 200, 60), "创意设计"),
    2: ((22, 110, 80), (120, 210, 150), "品质服务"),
    3: ((28, 45, 120), (90, 160, 240), "全屏展示"),
    5: ((120, 20, 80), (240, 120, 150), "精彩呈现"),
    6: ((40, 40, 48), (140, 140, 160), "欢迎光临"),
}


def slide(number):
    w, h = 1600, 450
    a, b, title = SLIDES[number]
    img = Image.new("RGB", (w, h))
    px = img.load()
    for x in range(w):
        t = x / (w - 1)
        col = tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))
        for y in range(h):
            px[x, y] = col
    d = ImageDraw.Draw(img, "RGBA")
    rnd = random.Random(number)
    for _ in range(14):
        r = rnd.randint(30, 160)
        x, y = rnd.randint(0, w), rnd.randint(0, h)
        d.ellipse((x - r, y - r, x + r, y + r), fill=(255, 255, 255, rnd.randint(18, 50)))
    f = font(72)
    d.text((w // 2, h // 2 - 30), title, font=f, fill=(255, 255, 255, 255), anchor="mm")
    d.text((w // 2, h // 2 + 50), "SLIDE %d" % number, font=font(28),
           fill=(255, 255, 255, 200), anchor="mm")
    return img


def arrow(left):
    img = Image.new("RGBA", (40, 60), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0, 0, 39, 59), radius=6, fill=(0, 0, 0, 120))
    pts = [(25, 16), (13, 30), (25, 44)] if left else [(15, 16), (27, 30), (15, 44)]
    d.line(pts, fill=(255, 255, 255, 255), width=5, joint="curve")
    return img


def spinner(size, dots, color, bg):
    frames = []
    for k in range(dots):
        img = Image.new("RGB", (size, size), bg)
        d = ImageDraw.Draw(img)
        for i in range(dots):
            ang = 2 * math.pi * i / dots
            cx = size / 2 + math.cos(ang) * size * 0.34
            cy = size / 2 + math.sin(ang) * size * 0.34
            fade = ((i - k) % dots) / dots
            c = tuple(int(color[j] + (bg[j] - color[j]) * fade) for j in range(3))
            r = size * 0.08
            d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=c)
        frames.append(img.convert("P", palette=Image.ADAPTIVE, colors=32))
    return frames


def save_gif(frames, path):
    frames[0].save(path, "GIF", save_all=True, append_images=frames[1:], duration=80,
                   loop=0, optimize=False)


# ---- flash movie --------------------------------------------------------------

def swf_tag(code, body=b""):
    if len(body) < 63:
        return struct.pack("<H", (code << 6) | len(body)) + body
    return struct.pack("<HI", (code << 6) | 0x3F, len(body)) + body


def focus_swf():
    """Flash 6 movie, 980 x 270: reads the four variables the carousel snippet
    passes (pics, links, borderwidth, borderheight) and stops."""
    # RECT: 5-bit field size, then xmin, xmax, ymin, ymax in twips.
    bits, vals = 16, (0, 980 * 20, 0, 270 * 20)
    s = format(bits, "05b") + "".join(format(v, "0%db" % bits) for v in vals)
    s += "0" * (-len(s) % 8)
    rect = int(s, 2).to_bytes(len(s) // 8, "big")
    actions = b""
    for name in (b"pics", b"links", b"borderwidth", b"borderheight"):
        push = b"\x00" + name + b"\x00"
        actions += b"\x96" + struct.pack("<H", len(push)) + push + b"\x1c\x17"
    actions += b"\x07\x00"  # stop, end of actions
    body = rect + struct.pack("<HH", 12 << 8, 1)  # 12 frames a second, one frame
    body += swf_tag(9, bytes((0xF0, 0xF0, 0xF0)))
    body += swf_tag(12, actions)
    body += swf_tag(1) + swf_tag(0)
    return b"CWS" + bytes([6]) + struct.pack("<I", 8 + len(body)) + zlib.compress(body, 9)


def main():
    layers = keifu_layers()
    merged = merge(layers)
    save_png(merged, out("1qq", "images", "keifu.png"))
    write_psd(out("1qq", "images", "keifu.psd"), layers, merged)
    save_png(qq_button(), out("1qq", "images", "qq.png"))
    save_jpg(qr_placeholder(), out("1qq", "images", "qrcode.jpg"), quality=90)

    for n in SLIDES:
        save_jpg(slide(n), out("banner", "images", "slides", "slide%d.jpg" % n))
    save_png(arrow(True), out("banner", "images", "slider-left-arrow.png"))
    save_png(arrow(False), out("banner", "images", "slider-right-arrow.png"))
    save_gif(spinner(32, 8, (60, 60, 60), (255, 255, 255)), out("banner", "images", "loader.gif"))
    save_gif(spinner(24, 12, (255, 255, 255), (40, 40, 40)),
             out("banner", "images", "nivo-preloader.gif"))

    with open(out("focus.swf"), "wb") as f:
        f.write(focus_swf())


if __name__ == "__main__":
    main()
