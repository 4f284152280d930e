-- The example school database: pupils, and the invoices of the school shop with their lines.
CREATE TABLE pupils (id INTEGER PRIMARY KEY, name TEXT NOT NULL, class TEXT NOT NULL, born DATE, photo BLOB);
INSERT INTO pupils (name, class, born) VALUES
  ('王小明', '3A', '2017-03-14'), ('李美華', '3A', '2017-07-02'), ('Anna Berg', '3A', '2016-12-30'),
  ('陳志強', '3B', '2017-01-21'), ('Tom O''Neill', '3B', '2017-05-09'), ('林雅婷', '3B', NULL),
  ('張家豪', '3C', '2016-11-11'), ('Mia Lopez', '3C', '2017-02-28'), ('黃詩涵', '3C', '2017-09-15');

CREATE TABLE invoices (id INTEGER PRIMARY KEY, customer TEXT NOT NULL, issued DATE NOT NULL);
INSERT INTO invoices VALUES (1001, 'Class 3A', '2026-09-01'), (1002, 'Class 3B', '2026-09-03'),
                            (1003, 'Class 3C', '2026-09-04');

CREATE TABLE invoice_lines (invoice_id INTEGER NOT NULL REFERENCES invoices(id), item TEXT NOT NULL,
                            quantity INTEGER NOT NULL, price REAL NOT NULL);
INSERT INTO invoice_lines VALUES
  (1001, 'Practice book 田字格', 24, 3.5), (1001, 'Brush pen', 24, 1.2), (1001, 'Ink stone', 2, 12.0),
  (1002, 'Practice book 田字格', 22, 3.5), (1002, 'Brush pen', 25, 1.2),
  (1003, 'Practice book 米字格', 26, 3.8), (1003, 'Red ink, bottle', 3, 4.25), (1003, 'Blotting paper', 50, 0.1);
