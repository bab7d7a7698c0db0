#!/usr/bin/env python3
"""Writes the expected export files for the store that store.sql beside it fills, each line
written out by hand from the output rules, not taken from the program. Group Null of 中村 puts
his row among the rows of no group, and his department holds a lone line feed; 小林 names no
person; 山田太郎's memberships take his first row of their address, never his second, and are not
doubled by it; his row of another address, stored first, is a person of no group.
Text sorts by code point, Null first: 中村 < 井上 < 佐藤 < 加藤 < 木村 < 渡辺 < 田中 < 鈴木, and
the groups Null < "" < O'Brien家 < 友人 < 取引先,東京."""

import csv
from pathlib import Path

HERE = Path(__file__).resolve().parent
DATE = "2019/01/07"


def write(name, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    (HERE / name).write_bytes(data)


CSV = [
    ',中村,nakamura@example.jp,中村設計,"設計部\n""A""",',
    ",井上,inoue@example.jp,東京，大阪,,顧問",
    ",佐藤花子,hanako@example.jp,,,",
    ',加藤,kato@example.jp,加藤製作所,"開発部\r\n第二課",',
    ",山田太郎,taro@example.com,山田総業,,会長",
    ",木村,kimura@example.jp,木村電機,技術部,",
    ",木村,kimura@example.jp,木村電機,技術部,",
    ",渡辺,,渡辺建設,,",
    ",田中,tanaka@example.jp,,総務部,",
    ",鈴木一郎,ichiro@example.jp,,,",
    ",松本,matsumoto@example.jp,松本商店,,",
    "O'Brien家,伊藤,itou@example.jp,,,課長",
    "O'Brien家,山田太郎,taro@example.jp,山田商事,営業部,部長",
    "友人,小林,kobayashi@example.jp,,,",
    "友人,山田太郎,taro@example.jp,山田商事,営業部,部長",
    "友人,高橋,takahashi@example.jp,高橋工業,,社長",
    '"取引先,東京","Smith, John",john@example.com,"ACME ""West"", Inc.", ,',
]

# The EdMax memo line of each person, layouts 1 to 8.
MEMO = {
    "渡辺": ["渡辺建設\t\t", "渡辺建設\t", "渡辺建設\t", "渡辺建設", "渡辺建設", "渡辺建設", "渡辺建設", ""],
    "木村": ["木村電機\t技術部\t", "木村電機\t技術部", "木村電機\t", "木村電機", "木村電機,技術部", "木村電機,技術部", "木村電機", ""],
    "中村": ['中村設計\t設計部\n"A"\t', '中村設計\t設計部\n"A"', "中村設計\t", "中村設計", '中村設計,設計部\n"A"', '中村設計,設計部\n"A"', "中村設計", ""],
    "田中": ["\t総務部\t", "\t総務部", "\t", "", ",総務部", ",総務部", "", ""],
    "鈴木一郎": ["\t\t", "\t", "\t", "", "", "", "", ""],
    "佐藤花子": ["\t\t", "\t", "\t", "", "", "", "", ""],
    "井上": ["東京，大阪\t\t顧問", "東京，大阪\t", "東京，大阪\t顧問", "東京，大阪", "東京，大阪,,顧問", "東京，大阪", "東京，大阪,顧問", ""],
    "加藤": ["加藤製作所\t開発部\r\n第二課\t", "加藤製作所\t開発部\r\n第二課", "加藤製作所\t", "加藤製作所", "加藤製作所,開発部\r\n第二課", "加藤製作所,開発部\r\n第二課", "加藤製作所", ""],
    "松本": ["松本商店\t\t", "松本商店\t", "松本商店\t", "松本商店", "松本商店", "松本商店", "松本商店", ""],
    "伊藤": ["\t\t課長", "\t", "\t課長", "", ",,課長", "", ",課長", ""],
    "山田太郎": ["山田商事\t営業部\t部長", "山田商事\t営業部", "山田商事\t部長", "山田商事", "山田商事,営業部,部長", "山田商事,営業部", "山田商事,部長", ""],
    "小林": ["\t\t", "\t", "\t", "", "", "", "", ""],
    "高橋": ["高橋工業\t\t社長", "高橋工業\t", "高橋工業\t社長", "高橋工業", "高橋工業,,社長", "高橋工業", "高橋工業,社長", ""],
    "Smith, John": ['ACME "West", Inc.\t \t', 'ACME "West", Inc.\t ', 'ACME "West", Inc.\t', 'ACME "West", Inc.', 'ACME "West", Inc., ', 'ACME "West", Inc., ', 'ACME "West", Inc.', ""],
}

MEMO["山田太郎", "taro@example.com"] = ["山田総業\t\t会長", "山田総業\t", "山田総業\t会長", "山田総業", "山田総業,,会長", "山田総業",
                                      "山田総業,会長", ""]

# The TuruKame remarks after the date, layouts 1 to 5: a comma, then the company details as the
# EdMax comma layouts 5, 6, 7 and 4 join them; nothing for layout 5.
REMARKS = {name: ["," + memo[4], "," + memo[5], "," + memo[6], "," + memo[3], ""] for name, memo in MEMO.items()}

# (group, name, address) of every output row, sorted by group, name and address: the CSV's.
SORTED_ROWS = [tuple(fields[:3]) for fields in csv.reader(CSV)]

# Group names as written on their own line: Null and "" both as empty text.
GROUP_NAMES = ["", "", "O'Brien家", "友人", "取引先,東京"]

# The TuruKame file: the rows of no group, then each group line with its rows. The Null group
# shows the rows of the empty-named group.
UNGROUPED = [(n, a) for g, n, a in SORTED_ROWS[:10]]
MATSUMOTO = [("松本", "matsumoto@example.jp")]
TURUKAME_SECTIONS = [
    (None, UNGROUPED),
    ("G1 ", MATSUMOTO),
    ("G1 ", MATSUMOTO),
    ("G1 O'Brien家", [("伊藤", "itou@example.jp"), ("山田太郎", "taro@example.jp")]),
    ("G1 友人", [("小林", "kobayashi@example.jp"), ("山田太郎", "taro@example.jp"),
                ("高橋", "takahashi@example.jp")]),
    ("G1 取引先,東京", [("Smith, John", "john@example.com")]),
]


def edmax(layout):
    lines = []
    for group in GROUP_NAMES:
        lines += [group, "\t", ""]
    for group, name, address in SORTED_ROWS:
        lines += [name + "\t\t" + group, address, MEMO.get((name, address), MEMO[name])[layout - 1]]
    return lines


def turukame(layout):
    lines = []
    for group_line, entries in TURUKAME_SECTIONS:
        if group_line is not None:
            lines.append(group_line)
        for name, address in entries:
            lines.append(name + "," + address + "," + DATE + REMARKS.get((name, address), REMARKS[name])[layout - 1])
    return lines


def main():
    write("csv.txt", CSV)
    for layout in range(1, 9):
        write(f"edmax_{layout}.adr", edmax(layout))
    for layout in range(1, 6):
        write(f"turukame_{layout}.txt", turukame(layout))


if __name__ == "__main__":
    main()
