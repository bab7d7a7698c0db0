-- The address store: people, group memberships, and the view of what the exports write.
-- Every column is plain text with no constraint: Null stays Null, empty text stays empty text,
-- and identical rows are all kept. Text is stored as UTF-8 and compares with BINARY everywhere,
-- so equality, DISTINCT and ORDER BY agree, text sorts by code point, and Null sorts first.

CREATE TABLE アドレス情報 (
    名前 TEXT,
    アドレス TEXT,
    会社名 TEXT,
    部署名 TEXT,
    役職 TEXT
);

CREATE TABLE グループ情報 (
    グループ TEXT,
    名前 TEXT,
    アドレス TEXT
);

-- Finding a member's person, and whether a person is anybody's member.
CREATE INDEX アドレス情報_名前_アドレス ON アドレス情報 (名前, アドレス);
CREATE INDEX グループ情報_名前_アドレス ON グループ情報 (名前, アドレス);
-- One group's members in name order, and the distinct group names.
CREATE INDEX グループ情報_グループ ON グループ情報 (グループ, 名前, アドレス);

-- One row per membership, completed from the first-stored person of the same name and address
-- (a member who names nobody still gets a row, and two identical persons never double it);
-- then one row, group Null, per person whom no membership names.
CREATE VIEW 出力情報 AS
SELECT m.グループ AS グループ,
       m.名前 AS 名前,
       m.アドレス AS アドレス,
       p.会社名 AS 会社名,
       p.部署名 AS 部署名,
       p.役職 AS 役職
  FROM グループ情報 AS m
  LEFT JOIN アドレス情報 AS p
    ON p.rowid = (SELECT f.rowid FROM アドレス情報 AS f
                   WHERE f.名前 = m.名前 AND f.アドレス = m.アドレス
                   ORDER BY f.rowid LIMIT 1)
UNION ALL
SELECT NULL, p.名前, p.アドレス, p.会社名, p.部署名, p.役職
  FROM アドレス情報 AS p
 WHERE NOT EXISTS (SELECT 1 FROM グループ情報 AS m
                    WHERE m.名前 = p.名前 AND m.アドレス = p.アドレス)
ORDER BY 1, 2, 3;
