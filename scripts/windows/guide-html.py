#!/usr/bin/python3
"""The user guide (docs/guide.md) as one HTML page for the Windows release,
readable offline: guide.html beside an images/ folder with its pictures.

    scripts/windows/guide-html.py OUTPUT_FOLDER

Needs python3-markdown (scripts/bootstrap.sh windows)."""
import shutil
import sys
from pathlib import Path

import markdown

root = Path(__file__).resolve().parents[2]
out = Path(sys.argv[1])
(out / "images").mkdir(parents=True, exist_ok=True)
text = (root / "docs/guide.md").read_text(encoding="utf-8")
body = markdown.markdown(text, extensions=["tables", "fenced_code", "toc"])
page = f"""<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="utf-8">
<title>VARNOK_3 利用の手引き</title>
<style>
body {{ font-family: "Yu Gothic UI", "Meiryo", "MS UI Gothic", sans-serif; max-width: 60em; margin: 2em auto; padding: 0 1em; line-height: 1.6; }}
table {{ border-collapse: collapse; }}
th, td {{ border: 1px solid #999; padding: 0.2em 0.5em; }}
pre {{ background: #f4f4f4; padding: 0.5em; overflow-x: auto; }}
img {{ max-width: 100%; border: 1px solid #ccc; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""
(out / "guide.html").write_text(page, encoding="utf-8")
for picture in sorted((root / "docs/images").glob("*.png")):
    shutil.copy2(picture, out / "images" / picture.name)
