# SPDX-License-Identifier: MIT
"""Seeds for the phpBB 3, MyBB 1.8 and SMF 2.1 fuzz targets: the post of every case of the given
JSON-lines case files, one file each, into the corpus folder (the last
argument). A line without a post (a generator's settings) is left out."""
import json
import sys

for path in sys.argv[1:-1]:
    stem = path.rsplit('/', 1)[-1].split('.')[0]
    with open(path, encoding='utf-8') as cases:
        for n, line in enumerate(cases):
            case = json.loads(line)
            if 'bytes' not in case and 'bbcode' not in case:
                continue
            data = bytes.fromhex(case['bytes']) if 'bytes' in case else case['bbcode'].encode()
            if len(data) <= 4096:
                with open('%s/%s-%03d' % (sys.argv[-1], stem, n), 'wb') as out:
                    out.write(data)
