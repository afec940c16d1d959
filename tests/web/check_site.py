#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the assembled site: only site files, under the size ceiling, every
bundled face able to draw every caption, each page's policy naming the
hashes of exactly the inline style and script it carries, and the offline
worker keeping every file the page and its manifest ask for.

  check_site.py SITE_DIR LAYOUT_JSON_PROGRAM
"""
import base64
import hashlib
import html.parser
import json
import os
import re
import subprocess
import sys
import unittest

from fontTools.ttLib import TTFont

SITE, LAYOUT = sys.argv[1], sys.argv[2]
del sys.argv[1:3]
CEILING = 600 * 1024


def captions():
    layout = subprocess.run([LAYOUT], check=True, capture_output=True, text=True).stdout
    return [row["caption"] for row in json.loads(layout)]


class Page(html.parser.HTMLParser):
    def __init__(self, path):
        super().__init__()
        self.csp, self.styles, self.scripts, self._in = "", [], [], None
        with open(path, encoding="utf-8") as page:
            self.feed(page.read())

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "meta" and a.get("http-equiv") == "Content-Security-Policy":
            self.csp = a["content"]
        if tag == "style" or (tag == "script" and "src" not in a):
            self._in = tag
            (self.styles if tag == "style" else self.scripts).append("")

    def handle_endtag(self, tag):
        self._in = None

    def handle_data(self, data):
        if self._in:
            target = self.styles if self._in == "style" else self.scripts
            target[-1] += data

    def directive(self, name):
        for part in self.csp.split(";"):
            words = part.split()
            if words and words[0] == name:
                return words[1:]
        return None


def sha(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


class Site(unittest.TestCase):
    def files(self):
        for root, _, names in os.walk(SITE):
            for name in names:
                yield os.path.relpath(os.path.join(root, name), SITE)

    def test_only_site_files_and_under_the_ceiling(self):
        allowed = re.compile(r"^(index\.html|wave-synthesis\.(js|wasm|html)|fonts/[^/]+\.woff2|fonts/LICENSE-[^/]+"
                             r"|manifest\.webmanifest|sw\.js|icons/wave-synthesis(-\d+\.png|\.svg))$")
        files = list(self.files())
        self.assertEqual([f for f in files if not allowed.match(f)], [])
        for needed in ("index.html", "wave-synthesis.js", "wave-synthesis.wasm", "wave-synthesis.html"):
            self.assertIn(needed, files)
        self.assertTrue(any(f.startswith("fonts/LICENSE-") for f in files))
        # The program's weight: its pages, scripts, module and faces; not the
        # licence texts, the install icons or the manifest.
        program = [f for f in files if re.search(r"\.(html|js|wasm|woff2)$", f)]
        self.assertLess(sum(os.path.getsize(os.path.join(SITE, f)) for f in program), CEILING)

    def test_every_face_draws_every_caption_and_value(self):
        needed = set("".join(captions()) + "0123456789.") - {" "}
        fonts = [f for f in self.files() if f.endswith(".woff2")]
        self.assertEqual(len(fonts), 4)
        for name in fonts:
            with self.subTest(font=name):
                cmap = TTFont(os.path.join(SITE, name)).getBestCmap()
                self.assertEqual(sorted(c for c in needed if ord(c) not in cmap), [])

    def test_policies_name_their_inline_hashes_and_nothing_loose(self):
        for name, inline_script in (("index.html", False), ("wave-synthesis.html", True)):
            with self.subTest(page=name):
                page = Page(os.path.join(SITE, name))
                self.assertEqual(len(page.styles), 1)
                self.assertIn(sha(page.styles[0]), page.directive("style-src"))
                scripts = page.directive("script-src")
                self.assertIn("'wasm-unsafe-eval'", scripts)
                self.assertEqual(len(page.scripts), 1 if inline_script else 0)
                if inline_script:
                    self.assertIn(sha(page.scripts[0]), scripts)
                for loose in ("'unsafe-inline'", "'unsafe-eval'", "*", "http:", "https:"):
                    self.assertNotIn(loose, page.csp.split())

    def test_the_worker_keeps_every_file_the_page_asks_for(self):
        with open(os.path.join(SITE, "index.html"), encoding="utf-8") as page:
            text = page.read()
        asked = set(re.findall(r'(?:href|src)="([^"#:]+)"', text)) | set(re.findall(r"url\(([^):]+)\)", text))
        with open(os.path.join(SITE, "manifest.webmanifest"), encoding="utf-8") as manifest:
            asked |= {icon["src"] for icon in json.load(manifest)["icons"]}
        with open(os.path.join(SITE, "sw.js"), encoding="utf-8") as worker_file:
            worker = worker_file.read()
        kept = set(json.loads(re.search(r"const FILES = (\[.*?\]);", worker).group(1)))
        self.assertEqual(sorted(asked - kept), [])
        self.assertEqual(sorted(f for f in kept - {"./"} if not os.path.isfile(os.path.join(SITE, f))), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
