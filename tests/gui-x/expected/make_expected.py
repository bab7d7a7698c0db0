#!/usr/bin/env python3
"""Writes the files that drive.sh expects after importing examples/sample-listing.txt.

Every line is written out by hand from the listing and the output rules, never taken from the
program. Run it from anywhere; it rewrites the files beside it.

What the import leaves in the store (N for Null, "" for empty text):
  アドレス情報 (名前, アドレス, 会社名, 部署名, 役職)
    佐藤 花子  ""                              ""                ""      ""    (name alone, blank line)
    鈴木 一郎  ichiro.suzuki@example.jp        株式会社みなと商事  営業部  課長  (電話番号 ignored)
    高橋 美咲  misaki.takahashi@example.ne.jp  N                 N       N     (携帯電話 ignored)
    田中 健    ken.tanaka@example.com          北浜精機株式会社    N       主任
    山本 由美  yumi.yamamoto@example.org       N                 総務課  N
  グループ情報 (グループ, 名前, アドレス)
    テニス仲間  鈴木 一郎  ichiro.suzuki@example.jp
    テニス仲間  高橋 美咲  misaki.takahashi@example.ne.jp
    テニス仲間  伊藤 誠    makoto.ito@example.net          (names no person: no company etc.)
    テニス仲間  佐藤 花子  ""                              (no parenthesis: empty address)
    営業チーム  鈴木 一郎  ichiro.suzuki@example.jp
    営業チーム  田中 健    ken.tanaka@example.com

The output view pairs each membership with the person of the same name and address (佐藤 花子
with empty address pairs with the person of empty address), and adds 山本 由美, the one person
no membership names, with group Null.

Text sorts by code point, Null first: groups Null < テニス仲間 (30C6) < 営業チーム (55B6); names
伊藤 (4F0A) < 佐藤 (4F50) < 鈴木 (9234) < 高橋 (9AD8), and 田中 (7530) < 鈴木 (9234).
"""

from pathlib import Path

HERE = Path(__file__).resolve().parent
# Stands for the day of the run; drive.sh puts the real date in before comparing.
DATE = "YYYY/MM/DD"


def write(name, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    (HERE / name).write_bytes(data)


# The view in its own order (group, name, address); Null as an empty field; no value here has
# a comma or a double quote, so nothing is quoted.
CSV = [
    ",山本 由美,yumi.yamamoto@example.org,,総務課,",
    "テニス仲間,伊藤 誠,makoto.ito@example.net,,,",
    "テニス仲間,佐藤 花子,,,,",
    "テニス仲間,鈴木 一郎,ichiro.suzuki@example.jp,株式会社みなと商事,営業部,課長",
    "テニス仲間,高橋 美咲,misaki.takahashi@example.ne.jp,,,",
    "営業チーム,田中 健,ken.tanaka@example.com,北浜精機株式会社,,主任",
    "営業チーム,鈴木 一郎,ichiro.suzuki@example.jp,株式会社みなと商事,営業部,課長",
]

# Memo layout 5 ("5 会社名,部署名,役職"): department and title both empty gives the company
# alone; a title gives company, department, title; else company, department.
EDMAX_MEMO5 = [
    # Group records: name, one TAB, empty line.
    "テニス仲間", "\t", "",
    "営業チーム", "\t", "",
    # Address records: name TAB TAB group, address, memo.
    "山本 由美\t\t", "yumi.yamamoto@example.org", ",総務課",
    "伊藤 誠\t\tテニス仲間", "makoto.ito@example.net", "",
    "佐藤 花子\t\tテニス仲間", "", "",
    "鈴木 一郎\t\tテニス仲間", "ichiro.suzuki@example.jp", "株式会社みなと商事,営業部,課長",
    "高橋 美咲\t\tテニス仲間", "misaki.takahashi@example.ne.jp", "",
    "田中 健\t\t営業チーム", "ken.tanaka@example.com", "北浜精機株式会社,,主任",
    "鈴木 一郎\t\t営業チーム", "ichiro.suzuki@example.jp", "株式会社みなと商事,営業部,課長",
]

# Remarks layout 3 ("3 会社名,役職"): an empty title gives "," and the company; otherwise ",",
# company, ",", title. The people of no group come first, then each group after its G1 line.
TURUKAME_REMARKS3 = [
    f"山本 由美,yumi.yamamoto@example.org,{DATE},",
    "G1 テニス仲間",
    f"伊藤 誠,makoto.ito@example.net,{DATE},",
    f"佐藤 花子,,{DATE},",
    f"鈴木 一郎,ichiro.suzuki@example.jp,{DATE},株式会社みなと商事,課長",
    f"高橋 美咲,misaki.takahashi@example.ne.jp,{DATE},",
    "G1 営業チーム",
    f"田中 健,ken.tanaka@example.com,{DATE},北浜精機株式会社,主任",
    f"鈴木 一郎,ichiro.suzuki@example.jp,{DATE},株式会社みなと商事,課長",
]


def main():
    write("csv.txt", CSV)
    write("edmax_memo5.adr", EDMAX_MEMO5)
    write("turukame_remarks3.txt", TURUKAME_REMARKS3)


if __name__ == "__main__":
    main()
