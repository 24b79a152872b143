#!/usr/bin/env python3
"""Draws the application's pictures as SVG files and lists them in the Qt
resource file. Every command picture is a rounded tile with a gradient of its
family colour and a white glyph, drawn on a 48 x 48 grid; the start menu's
area pictures use the same style on a 128 x 128 grid.

Run from this folder: python3 make_pictures.py"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "pictures")

FAMILIES = {
    "blue": ("#3C82E0", "#1F4E8C"),
    "green": ("#37B978", "#1E7A4B"),
    "orange": ("#F5A43A", "#D46A12"),
    "red": ("#EA6450", "#B02F25"),
    "teal": ("#2BB3B1", "#12706F"),
    "violet": ("#8C6ADB", "#5A3FA6"),
    "grey": ("#8C99AB", "#56627A"),
}

W = 'fill="none" stroke="#FFFFFF" stroke-width="3" stroke-linecap="round" stroke-linejoin="round"'
W2 = W.replace('stroke-width="3"', 'stroke-width="2"')
W4 = W.replace('stroke-width="3"', 'stroke-width="4"')
F = 'fill="#FFFFFF"'


def tile(name, family, glyph, size=48):
    top, bottom = FAMILIES[family]
    r = size * 0.21
    svg = f'''<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">
<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient>
<linearGradient id="s" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#FFFFFF" stop-opacity="0.35"/><stop offset="1" stop-color="#FFFFFF" stop-opacity="0"/></linearGradient></defs>
<rect x="1" y="1" width="{size - 2}" height="{size - 2}" rx="{r:.1f}" fill="url(#g)"/>
<rect x="3" y="3" width="{size - 6}" height="{(size - 6) / 2:.1f}" rx="{r - 2:.1f}" fill="url(#s)"/>
{glyph}
</svg>
'''
    with open(os.path.join(OUT, name + ".svg"), "w") as f:
        f.write(svg)


SHEET = f'<path {W} d="M14 9h13l8 8v22H14z"/><path {W} d="M27 9v8h8"/>'

GLYPHS = {
    "nuovo": ("blue", f'<path {W} d="M13 9h13l8 8v22H13z"/><path {W} d="M26 9v8h8"/><path {W} d="M19 28h10M24 23v10"/>'),
    "salva": ("blue", f'<path {W} d="M11 11h21l5 5v21H11z"/><path {W} d="M17 11v8h13v-8"/><rect x="16" y="26" width="16" height="11" rx="1" {F}/>'),
    "trova": ("blue", f'<circle cx="21" cy="21" r="9" {W}/><path {W4} d="M28 28l9 9"/>'),
    "primo": ("blue", f'<path {W} d="M14 13v22"/><path {F} d="M35 13v22L19 24z"/>'),
    "indietro": ("blue", f'<path {F} d="M32 12v24L14 24z"/>'),
    "avanti": ("blue", f'<path {F} d="M16 12v24l18-12z"/>'),
    "ultimo": ("blue", f'<path {W} d="M34 13v22"/><path {F} d="M13 13v22l16-11z"/>'),
    "guida": ("blue", f'<circle cx="24" cy="24" r="14" {W}/><path {W} d="M19.5 20a4.5 4.5 0 1 1 6.5 4c-1.5.8-2 1.6-2 3.5"/><circle cx="24" cy="32.5" r="2" {F}/>'),
    "info": ("blue", f'<circle cx="24" cy="24" r="14" {W}/><circle cx="24" cy="17" r="2.2" {F}/><path {W} d="M24 23v10"/>'),
    "copyright": ("blue", f'<circle cx="24" cy="24" r="14" {W}/><path {W} d="M29 19.5a7 7 0 1 0 0 9"/>'),
    "web": ("teal", f'<circle cx="24" cy="24" r="14" {W}/><ellipse cx="24" cy="24" rx="6" ry="14" {W}/><path {W} d="M10 24h28M12.5 17h23M12.5 31h23"/>'),
    "email": ("teal", f'<rect x="9" y="14" width="30" height="21" rx="2" {W}/><path {W} d="M10 16l14 11 14-11"/>'),
    "esci": ("red", f'<path {W} d="M22 11H12v26h10"/><path {W} d="M20 24h17M31 18l6 6-6 6"/>'),
    "stampa": ("orange", f'<path {W} d="M16 17V9h16v8"/><rect x="9" y="17" width="30" height="13" rx="2" {W}/><path {W} d="M16 26h16v12H16z"/><path {W} d="M20 31h8M20 35h8"/>'),
    "anteprima": ("orange", f'<path {W} d="M11 9h13l7 7v8"/><path {W} d="M11 9v28h10"/><circle cx="28" cy="29" r="6" {W}/><path {W} d="M32.5 33.5l5 5"/>'),
    "pdf": ("red", f'{SHEET}<text x="24.5" y="33.5" font-family="Verdana, DejaVu Sans, sans-serif" font-size="8.5" font-weight="bold" fill="#FFFFFF" text-anchor="middle">PDF</text>'),
    "esporta": ("green", f'<rect x="9" y="10" width="24" height="28" rx="2" {W}/><path {W2} d="M9 19h24M9 28h24M17 10v28"/><path {W} d="M29 24h11M35 19l5 5-5 5"/>'),
    "calcola": ("green", f'<rect x="13" y="8" width="22" height="32" rx="3" {W}/><rect x="17" y="12" width="14" height="7" rx="1" {F}/><g {F}><circle cx="19" cy="25" r="1.8"/><circle cx="24" cy="25" r="1.8"/><circle cx="29" cy="25" r="1.8"/><circle cx="19" cy="30" r="1.8"/><circle cx="24" cy="30" r="1.8"/><circle cx="29" cy="30" r="1.8"/><circle cx="19" cy="35" r="1.8"/><circle cx="24" cy="35" r="1.8"/><circle cx="29" cy="35" r="1.8"/></g>'),
    "cartella": ("teal", f'<path {W} d="M9 15h11l3 4h16v17H9z"/><path {W} d="M9 22h30"/>'),
    "allega": ("teal", f'<path {W} d="M30 17L19 28a3 3 0 0 0 4 4l12-12a6 6 0 0 0-8-8L14 25a9 9 0 0 0 13 13l9-9"/>'),
    "oggi": ("violet", f'<rect x="10" y="12" width="28" height="26" rx="2" {W}/><path {W} d="M10 20h28M17 9v6M31 9v6"/><text x="24" y="34.5" font-family="Verdana, DejaVu Sans, sans-serif" font-size="11" font-weight="bold" fill="#FFFFFF" text-anchor="middle">15</text>'),
    "importa": ("violet", f'<path {W} d="M11 20l13-7 13 7v16l-13 6-13-6z"/><path {W} d="M11 20l13 7 13-7M24 27v15"/>'),
    "sospese": ("orange", f'<circle cx="24" cy="24" r="14" {W}/><path {W} d="M24 15v10l6 4"/>'),
    "numerazione": ("violet", f'<path {W} d="M19 11l-3 26M31 11l-3 26M12 19h26M10 29h26"/>'),
    "statistiche": ("green", f'<path {W} d="M10 38h28"/><rect x="12" y="25" width="6" height="13" {F}/><rect x="21" y="15" width="6" height="23" {F}/><rect x="30" y="20" width="6" height="18" {F}/>'),
    "riepilogo_m": ("blue", '<text x="24" y="33" font-family="Verdana, DejaVu Sans, sans-serif" font-size="26" font-weight="bold" fill="#FFFFFF" text-anchor="middle">M</text>'),
    "riepilogo_t": ("blue", '<text x="24" y="33" font-family="Verdana, DejaVu Sans, sans-serif" font-size="26" font-weight="bold" fill="#FFFFFF" text-anchor="middle">T</text>'),
    "riepilogo_a": ("blue", '<text x="24" y="33" font-family="Verdana, DejaVu Sans, sans-serif" font-size="26" font-weight="bold" fill="#FFFFFF" text-anchor="middle">A</text>'),
    "duplica": ("blue", f'<path {W} d="M17 14V9h12l7 7v17h-5"/><path {W} d="M11 15h13l7 7v17H11z"/>'),
    "sottoscorta": ("orange", f'<path {W} d="M24 9l16 28H8z"/><path {W} d="M24 19v9"/><circle cx="24" cy="32.5" r="2" {F}/>'),
    "piu": ("green", f'<path {W4} d="M24 13v22M13 24h22"/>'),
    "meno": ("red", f'<path {W4} d="M13 24h22"/>'),
    "cancella": ("red", f'<path {W} d="M12 15h24M20 15v-4h8v4M15 15l2 23h14l2-23"/><path {W} d="M21 21v12M27 21v12"/>'),
    "logo": ("violet", f'<rect x="9" y="12" width="30" height="24" rx="2" {W}/><circle cx="18" cy="20" r="3" {F}/><path {W} d="M11 34l9-9 6 6 4-4 8 8"/>'),
    "chiave": ("violet", f'<circle cx="17" cy="24" r="7" {W}/><path {W} d="M24 24h15M34 24v6M29 24v4"/>'),
    "mano": ("orange", f'<path {W} d="M17 27V14a2.5 2.5 0 0 1 5 0v10M22 23V11a2.5 2.5 0 0 1 5 0v12M27 23V13a2.5 2.5 0 0 1 5 0v12M32 25v-7a2.5 2.5 0 0 1 5 0v11c0 6-4 11-11 11h-2c-4 0-7-2-9-5l-5-7a2.5 2.5 0 0 1 4-3l3 3"/>'),
    "controlla": ("green", f'<circle cx="24" cy="24" r="14" {W}/><path {W} d="M17 24l5 5 9-10"/>'),
    "cerca_web": ("teal", f'<circle cx="21" cy="21" r="11" {W}/><path {W2} d="M10 21h22M21 10c-4 6-4 16 0 22M21 10c4 6 4 16 0 22"/><path {W4} d="M30 30l8 8"/>'),
}

def cube(x, y, shade):
    """One box of the warehouse picture, its top corner at (x, y), drawn whole."""
    return (f'<path fill="{shade}" stroke="#1E7A4B" stroke-width="2.5" stroke-linejoin="round" '
            f'd="M{x} {y}l22 11v26l-22 11-22-11V{y + 11}z"/>'
            f'<path fill="none" stroke="#1E7A4B" stroke-width="2.5" stroke-linejoin="round" '
            f'd="M{x - 22} {y + 11}l22 11 22-11M{x} {y + 22}v26"/>')


CUBES = cube(46, 47, "#FFFFFF") + cube(82, 47, "#E4F5EC") + cube(64, 22, "#F4FBF7")

AREAS = {
    "area_ricevute": ("orange",
        f'<path fill="#FFFFFF" d="M34 18h60v92l-7.5-6-7.5 6-7.5-6-7.5 6-7.5-6-7.5 6-7.5-6-7.5 6z"/>'
        f'<g fill="none" stroke="#D46A12" stroke-width="4" stroke-linecap="round"><path d="M46 36h36M46 48h36M46 60h22"/></g>'
        f'<text x="76" y="92" font-family="Verdana, DejaVu Sans, sans-serif" font-size="30" font-weight="bold" fill="#1F4E8C" text-anchor="middle">€</text>'),
    "area_clienti": ("teal",
        f'<circle cx="50" cy="44" r="15" fill="#FFFFFF"/><path fill="#FFFFFF" d="M22 100c0-19 12-32 28-32s28 13 28 32z"/>'
        f'<circle cx="84" cy="50" r="12" fill="#FFFFFF" fill-opacity="0.75"/><path fill="#FFFFFF" fill-opacity="0.75" d="M66 100c2-15 9-26 18-26s20 10 22 26z"/>'),
    "area_magazzino": ("green", CUBES),
}

CORVELO = '''<svg xmlns="http://www.w3.org/2000/svg" width="96" height="96" viewBox="0 0 96 96">
<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#3C82E0"/><stop offset="1" stop-color="#1F4E8C"/></linearGradient></defs>
<rect x="2" y="2" width="92" height="92" rx="20" fill="url(#g)"/>
<path fill="#FFFFFF" d="M30 20h36v56l-4.5-3.5-4.5 3.5-4.5-3.5-4.5 3.5-4.5-3.5-4.5 3.5-4.5-3.5-4.5 3.5z"/>
<path fill="none" stroke="#F5A43A" stroke-width="7" stroke-linecap="round" d="M58 38a12 12 0 1 0 0 14"/>
</svg>
'''

EURO = '''<svg xmlns="http://www.w3.org/2000/svg" width="297" height="184" viewBox="0 0 297 184">
<rect width="297" height="184" fill="#FFFFFF"/>
<g fill="none" stroke="#1F4E8C" stroke-linecap="round" transform="translate(22 0)">
<path stroke-width="18" d="M185 48a56 56 0 1 0 0 88"/>
<path stroke-width="13" d="M66 80h86M62 104h78"/>
</g>
</svg>
'''


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, (family, glyph) in GLYPHS.items():
        tile(name, family, glyph)
    for name, (family, glyph) in AREAS.items():
        tile(name, family, glyph, size=128)
    with open(os.path.join(OUT, "corvelo.svg"), "w") as f:
        f.write(CORVELO)
    with open(os.path.join(OUT, "logo_euro.svg"), "w") as f:
        f.write(EURO)
    names = sorted(n for n in os.listdir(OUT) if n.endswith((".svg", ".png", ".bmp")))
    with open(os.path.join(HERE, "resources.qrc"), "w") as f:
        f.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/">\n')
        for n in names:
            f.write(f"    <file>pictures/{n}</file>\n")
        f.write("</qresource>\n</RCC>\n")


if __name__ == "__main__":
    main()
