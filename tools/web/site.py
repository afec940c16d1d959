#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Assembles the browser version's static site.

  site.py fonts --layout-command CMD... --pyftsubset P --fc-match F --out DIR
      subsets the installed Debian faces to the characters the page draws
      (the layout table's captions, the digits and the point), as woff2, with
      the licence texts of their packages. CMD prints the layout table as JSON
      (tools/layout_json.cpp).
  site.py pages --template T --css C --fonts DIR --script JS --wasm W
                --single-script JS --icons PACKAGING --worker SW
                --window-command CMD... --out SITE
      writes index.html (script and module beside it) with its web app
      manifest, icons and offline worker, and wave-synthesis.html (everything
      inline), each with a Content-Security-Policy that names the hashes of its
      inline style and script. CMD prints the window's markup or its style
      (tools/page_markup.cpp); both pages carry them.
"""
import argparse
import base64
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys

# family on the page, CSS style, CSS weight, fontconfig pattern, family it must match
FACES = [
    ("Wave Serif", "normal", "400", "Liberation Serif:style=Regular", "Liberation Serif"),
    ("Wave Serif", "italic", "400", "Liberation Serif:style=Italic", "Liberation Serif"),
    ("Wave PGothic", "normal", "400", "IPAPGothic", "IPAPGothic"),
    ("Wave Gothic", "normal", "400", "IPAGothic", "IPAGothic"),
]

# The program's icon in the sizes the site offers (rendered by tools/render-icons.sh).
ICON_SIZES = (32, 192, 512)

# The surround of the window, and of the installed program's title bar and splash.
THEME_COLOUR = "#000000"

# Value captions are numbers: digits and a point.
VALUE_CHARACTERS = "0123456789."


def captions(layout_command):
    """The caption column of every row of the layout table."""
    return [row["caption"] for row in json.loads(run(*layout_command))]


def page_characters(layout_command):
    chars = set(VALUE_CHARACTERS)
    for caption in captions(layout_command):
        chars.update(caption)
    chars.discard(" ")
    return "".join(sorted(chars)) + " "


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def licence_of(font_file):
    owner = run("dpkg-query", "-S", font_file).split(":")[0].strip()
    return owner, f"/usr/share/doc/{owner}/copyright"


def fonts(args):
    shutil.rmtree(args.out, ignore_errors=True)
    os.makedirs(args.out)
    text = page_characters(args.layout_command)
    manifest = []
    licences = {}
    for family, style, weight, pattern, expected in FACES:
        # Through alternatives links to the file its package installed.
        font_file = os.path.realpath(run(args.fc_match, "-f", "%{file}", pattern))
        matched = run(args.fc_match, "-f", "%{family}", pattern)
        if expected not in matched.split(","):
            sys.exit(f"site.py: '{pattern}' is not installed (fontconfig offers {matched})")
        name = os.path.splitext(os.path.basename(font_file))[0] + ".woff2"
        run(args.pyftsubset, font_file, f"--text={text}", "--flavor=woff2",
            "--layout-features=", f"--output-file={os.path.join(args.out, name)}")
        manifest.append({"family": family, "style": style, "weight": weight, "file": name})
        package, copyright_file = licence_of(font_file)
        licences[package] = copyright_file
    for package, copyright_file in licences.items():
        shutil.copyfile(copyright_file, os.path.join(args.out, f"LICENSE-{package}.txt"))
    with open(os.path.join(args.out, "fonts.json"), "w", encoding="utf-8") as out:
        json.dump(manifest, out, indent=1)


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


def font_faces(manifest, source):
    rules = []
    # Until a face arrives the text shows in a fallback, never invisible.
    for face in manifest:
        rules.append(
            f"@font-face {{ font-family: '{face['family']}'; font-style: {face['style']}; "
            f"font-weight: {face['weight']}; font-display: swap; "
            f"src: url({source(face['file'])}) format('woff2'); }}")
    return "\n".join(rules) + "\n"


def minified_css(css):
    """The style sheets without what is there for their readers (comments,
    line breaks, indentation), for the pages' size ceiling."""
    css = re.sub(r"/\*.*?\*/", "", css, flags=re.S)
    css = re.sub(r"\s+", " ", css)
    return re.sub(r" ?([{};,]) ?", r"\1", css).strip() + "\n"


def write_page(template, path, csp, links, style, script_tag):
    page = (template.replace("@CSP@", csp).replace("@LINKS@", links).replace("@THEME@", THEME_COLOUR)
            .replace("@STYLE@", style).replace("@SCRIPT@", script_tag))
    with open(path, "w", encoding="utf-8") as out:
        out.write(page)


def pages(args):
    # The window itself is in the page, painted before the module has run.
    template = open(args.template, encoding="utf-8").read().replace(
        "@WINDOW@", run(*args.window_command, "markup"))
    css = minified_css("".join(open(c, encoding="utf-8").read() for c in [args.css, *args.extra_css])
                       + run(*args.window_command, "style"))
    manifest = json.load(open(os.path.join(args.fonts, "fonts.json"), encoding="utf-8"))

    # Only site files in the site.
    shutil.rmtree(args.out, ignore_errors=True)
    os.makedirs(os.path.join(args.out, "fonts"))
    for name in os.listdir(args.fonts):
        if name.endswith(".woff2") or name.startswith("LICENSE-"):
            shutil.copyfile(os.path.join(args.fonts, name), os.path.join(args.out, "fonts", name))
    shutil.copyfile(args.script, os.path.join(args.out, "wave-synthesis.js"))
    shutil.copyfile(args.wasm, os.path.join(args.out, "wave-synthesis.wasm"))
    icons = install_icons(args.icons, args.out)

    style = font_faces(manifest, lambda f: f"fonts/{f}") + css
    csp = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; "
           f"style-src 'self' {sha256(style)}; font-src 'self'; img-src 'self' data:; "
           "connect-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'")
    fonts_used = [f"fonts/{face['file']}" for face in manifest]
    links = "\n".join(
        ['<link rel="icon" href="icons/wave-synthesis.svg" type="image/svg+xml">',
         '<link rel="apple-touch-icon" href="icons/wave-synthesis-192.png">',
         '<link rel="manifest" href="manifest.webmanifest">']
        # The faces arrive with the module, before the first caption needs them.
        + [f'<link rel="preload" href="{f}" as="font" type="font/woff2" crossorigin>' for f in fonts_used]
        # The script and the module are asked for as the page's head is read,
        # not once the window's markup has been: a slow machine takes a while over it.
        + ['<link rel="preload" href="wave-synthesis.wasm" as="fetch" type="application/wasm" '
           'crossorigin="anonymous">', '<script src="wave-synthesis.js" defer></script>'])
    write_page(template, os.path.join(args.out, "index.html"), csp, links, style, "")
    write_web_manifest(args.out, icons)
    write_worker(args.worker, args.out,
                 ["index.html", "wave-synthesis.js", "wave-synthesis.wasm", "manifest.webmanifest"]
                 + fonts_used + icons)

    # One file for a USB stick or a learning platform: fonts and module inline.
    def data_url(name):
        raw = open(os.path.join(args.fonts, name), "rb").read()
        return "data:font/woff2;base64," + base64.b64encode(raw).decode()

    style = font_faces(manifest, data_url) + css
    script = open(args.single_script, encoding="utf-8").read()
    if "</script" in script.lower():
        sys.exit("site.py: the script contains '</script' and cannot be inlined")
    # The inlined module is fetched from its data: URL.
    csp = ("default-src 'none'; "
           f"script-src {sha256(script)} 'wasm-unsafe-eval'; style-src {sha256(style)}; "
           "font-src data:; img-src data:; connect-src data:; base-uri 'none'; form-action 'none'")
    icon = base64.b64encode(open(os.path.join(args.out, "icons/wave-synthesis-32.png"), "rb").read()).decode()
    write_page(template, os.path.join(args.out, "wave-synthesis.html"), csp,
               f'<link rel="icon" href="data:image/png;base64,{icon}">', style, f"<script>{script}</script>")


def install_icons(packaging, out):
    """Copies the icon's sizes and its drawing into SITE/icons; returns their site paths."""
    os.makedirs(os.path.join(out, "icons"))
    names = ["icons/wave-synthesis.svg"]
    shutil.copyfile(os.path.join(packaging, "wave-synthesis.svg"), os.path.join(out, names[0]))
    for size in ICON_SIZES:
        name = f"icons/wave-synthesis-{size}.png"
        shutil.copyfile(os.path.join(packaging, "icons", f"{size}x{size}", "wave-synthesis.png"),
                        os.path.join(out, name))
        names.append(name)
    return names


def write_web_manifest(out, icons):
    entries = [{"src": "icons/wave-synthesis.svg", "sizes": "any", "type": "image/svg+xml"}]
    entries += [{"src": f"icons/wave-synthesis-{size}.png", "sizes": f"{size}x{size}", "type": "image/png"}
                for size in ICON_SIZES if size >= 192]
    web_manifest = {
        "name": "波の合成",
        "short_name": "波の合成",
        "lang": "ja",
        "id": "./",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": THEME_COLOUR,
        "theme_color": THEME_COLOUR,
        "icons": entries,
    }
    with open(os.path.join(out, "manifest.webmanifest"), "w", encoding="utf-8") as f:
        json.dump(web_manifest, f, ensure_ascii=False, indent=1)


def write_worker(template_path, out, files):
    """sw.js, keeping `files` (and the site's root) in a cache named after
    them and the worker's own code, so every new build gets a cache of its own."""
    template = open(template_path, encoding="utf-8").read()
    build = hashlib.sha256(template.encode("utf-8"))
    for name in sorted(files):
        build.update(name.encode("utf-8") + b"\0")
        build.update(hashlib.sha256(open(os.path.join(out, name), "rb").read()).digest())
    worker = template.replace("@BUILD@", build.hexdigest()[:16]).replace("@FILES@", json.dumps(["./"] + files))
    with open(os.path.join(out, "sw.js"), "w", encoding="utf-8") as f:
        f.write(worker)


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    f = commands.add_parser("fonts")
    f.add_argument("--layout-command", nargs="+", required=True)
    f.add_argument("--pyftsubset", default="pyftsubset")
    f.add_argument("--fc-match", default="fc-match")
    f.add_argument("--out", required=True)
    p = commands.add_parser("pages")
    for option in ("--template", "--css", "--fonts", "--script", "--wasm", "--single-script", "--icons",
                   "--worker", "--out"):
        p.add_argument(option, required=True)
    p.add_argument("--extra-css", action="append", default=[], help="style sheets after --css, in order")
    p.add_argument("--window-command", nargs="+", required=True,
                   help="prints the window's markup or style, given markup or style")
    args = parser.parse_args()
    fonts(args) if args.command == "fonts" else pages(args)


if __name__ == "__main__":
    main()
