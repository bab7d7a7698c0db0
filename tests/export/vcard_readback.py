# The vCard file read back with validation by Debian's python3-vobject, card by card against the store.
import os, re, sqlite3, subprocess, sys, tempfile  # noqa: E401
import vobject

# Beside the golden rows: lines that fold, characters of every UTF-8 length, escapes, control characters.
MORE = """INSERT INTO アドレス情報 VALUES ('長　名前' || replace(hex(zeroblob(30)), '00', 'あ😀é'), 'long@example.jp',
  replace(hex(zeroblob(30)), '00', '会社,;\\'), NULL, 'a' || char(1, 13) || 'b' || char(9, 127) || 'c');"""
text = lambda value: re.sub("[\x00-\x08\x0b-\x1f\x7f]", "\ufffd", re.sub("\r\n?", "\n", value or ""))  # noqa: E731


with tempfile.TemporaryDirectory() as folder:
    store, output = os.path.join(folder, "store.mdb"), os.path.join(folder, "out.vcf")
    with sqlite3.connect(store) as db:
        db.executescript(open(sys.argv[2], encoding="utf-8").read() + open(sys.argv[3], encoding="utf-8").read() + MORE)
    subprocess.run([sys.argv[1], "vcard", "--store", store, output], check=True)
    written = open(output, "rb").read()
    # One card per distinct membership, with its first-stored person and its named groups, and one
    # per person of no group; sorted by name and address, Null first.
    expected = []
    for name, address in db.execute("SELECT DISTINCT 名前, アドレス FROM グループ情報"):
        person = db.execute("SELECT 会社名, 部署名, 役職 FROM アドレス情報 WHERE 名前 = ? AND アドレス = ? ORDER BY rowid",
                            (name, address)).fetchone() or (None, None, None)
        groups = db.execute("SELECT DISTINCT グループ FROM グループ情報 WHERE 名前 IS ? AND アドレス IS ? AND グループ <> ''"
                            " ORDER BY グループ", (name, address)).fetchall()
        expected.append((name, address, *person, [text(group) for (group,) in groups]))
    expected += [(*row, []) for row in db.execute(
        "SELECT 名前, アドレス, 会社名, 部署名, 役職 FROM アドレス情報 AS p WHERE NOT EXISTS"
        " (SELECT 1 FROM グループ情報 AS m WHERE m.名前 = p.名前 AND m.アドレス = p.アドレス) ORDER BY rowid")]
    expected.sort(key=lambda card: [(value is not None, value) for value in card[:2]])

cards = list(vobject.readComponents(written.decode("utf-8"), validate=True))
assert written.endswith(b"\r\n") and all(len(line) <= 75 for line in written.split(b"\r\n")), "a line past 75 octets"
assert len(cards) == len(expected) == 17, (len(cards), len(expected))
for card, (name, address, company, department, title, groups) in zip(cards, expected):
    org = [text(company), text(department)][:2 if department else 1 if company else 0]  # trailing empties left out
    got = lambda key: [line.value for line in card.contents.get(key, [])]  # noqa: E731
    found = (card.fn.value, [card.n.value.family, card.n.value.given], got("email"), got("org"), got("title"),
             got("categories"))
    wanted = (text(name), (re.split("[ \u3000]", text(name), maxsplit=1) + [""])[:2], [text(address)] if address else [],
              [org] if org else [], [text(title)] if title else [], [groups] if groups else [])
    assert found == wanted, f"{found} != {wanted}"
