-- The rows the golden files beside this one are written from (see README.md); NULL leaves a column unassigned.
INSERT INTO アドレス情報 VALUES
  ('山田太郎', 'taro@example.com', '山田総業', NULL, '会長'),
  ('山田太郎', 'taro@example.jp', '山田商事', '営業部', '部長'),
  ('山田太郎', 'taro@example.jp', '山田物産', NULL, NULL),
  ('佐藤花子', 'hanako@example.jp', NULL, NULL, NULL),
  ('鈴木一郎', 'ichiro@example.jp', '', '', ''),
  ('Smith, John', 'john@example.com', 'ACME "West", Inc.', ' ', ''),
  ('高橋', 'takahashi@example.jp', '高橋' || char(9) || '工業', '', '社長'),
  ('田中', 'tanaka@example.jp', '', '総務部', ''),
  ('伊藤', 'itou@example.jp', '', '', '課長'),
  ('渡辺', NULL, '渡辺建設', NULL, NULL),
  ('木村', 'kimura@example.jp', '木村電機', '技術部', ''),
  ('木村', 'kimura@example.jp', '木村電機', '技術部', ''),
  ('加藤', 'kato@example.jp', '加藤製作所', '開発部' || char(13, 10) || '第二課', ''),
  ('井上', 'inoue@example.jp', '東京，大阪', NULL, '顧問'),
  ('中村', 'nakamura@example.jp', '中村設計', '設計部' || char(10) || '"A"', NULL),
  ('松本', 'matsumoto@example.jp', '松本商店', NULL, NULL);
INSERT INTO グループ情報 VALUES
  ('友人', '山田太郎', 'taro@example.jp'),
  ('友人', '高橋', 'takahashi@example.jp'),
  ('友人', '小林', 'kobayashi@example.jp'),
  ('O''Brien家', '山田太郎', 'taro@example.jp'),
  ('O''Brien家', '伊藤', 'itou@example.jp'),
  ('取引先,東京', 'Smith, John', 'john@example.com'),
  (NULL, '中村', 'nakamura@example.jp'),
  ('', '松本', 'matsumoto@example.jp');
