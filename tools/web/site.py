#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Assembles the browser version's static site.

  site.py fonts --layout-command CMD... --pyftsubset P --fc-match F --out DIR
      subsets the installed Debian faces to the characters the page draws
      (the layout table's captions, the digits and the point), as woff2, with
      the licence texts of their packages. CMD prints the layout table as JSON
      (tools/layout_json.cpp).
  site.py pages --template T --css C --fonts DIR --script JS --wasm W
                --single-script JS --out SITE
      writes index.html (script and module beside it) and wave-synthesis.html
      (everything inline), each with a Content-Security-Policy that names the
      hashes of its inline style and script.
"""
import argparse
import base64
import hashlib
import json
import os
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
    for face in manifest:
        rules.append(
            f"@font-face {{ font-family: '{face['family']}'; font-style: {face['style']}; "
            f"font-weight: {face['weight']}; src: url({source(face['file'])}) format('woff2'); }}")
    return "\n".join(rules) + "\n"


def write_page(template, path, csp, style, script_tag):
    page = template.replace("@CSP@", csp).replace("@STYLE@", style).replace("@SCRIPT@", script_tag)
    with open(path, "w", encoding="utf-8") as out:
        out.write(page)


def pages(args):
    template = open(args.template, encoding="utf-8").read()
    css = "".join(open(c, encoding="utf-8").read() for c in [args.css, *args.extra_css])
    manifest = json.load(open(os.path.join(args.fonts, "fonts.json"), encoding="utf-8"))

    # Only site files in the site.
    shutil.rmtree(args.out, ignore_errors=True)
    os.makedirs(os.path.join(args.out, "fonts"))
    for name in os.listdir(args.fonts):
        if name.endswith(".woff2") or name.startswith("LICENSE-"):
            shutil.copyfile(os.path.join(args.fonts, name), os.path.join(args.out, "fonts", name))
    shutil.copyfile(args.script, os.path.join(args.out, "wave-synthesis.js"))
    shutil.copyfile(args.wasm, os.path.join(args.out, "wave-synthesis.wasm"))

    style = font_faces(manifest, lambda f: f"fonts/{f}") + css
    csp = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; "
           f"style-src 'self' {sha256(style)}; font-src 'self'; img-src 'self' data:; "
           "connect-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'")
    # The module is asked for with the page, not only once the script has run.
    write_page(template, os.path.join(args.out, "index.html"), csp, style,
               '<link rel="preload" href="wave-synthesis.wasm" as="fetch" type="application/wasm" '
               'crossorigin="anonymous">\n<script src="wave-synthesis.js"></script>')

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
    write_page(template, os.path.join(args.out, "wave-synthesis.html"), csp, style,
               f"<script>{script}</script>")


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    f = commands.add_parser("fonts")
    f.add_argument("--layout-command", nargs="+", required=True)
    f.add_argument("--pyftsubset", default="pyftsubset")
    f.add_argument("--fc-match", default="fc-match")
    f.add_argument("--out", required=True)
    p = commands.add_parser("pages")
    for option in ("--template", "--css", "--fonts", "--script", "--wasm", "--single-script", "--out"):
        p.add_argument(option, required=True)
    p.add_argument("--extra-css", action="append", default=[], help="style sheets after --css, in order")
    args = parser.parse_args()
    fonts(args) if args.command == "fonts" else pages(args)


if __name__ == "__main__":
    main()
