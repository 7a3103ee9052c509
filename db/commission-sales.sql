-- Sales 1000 on, in 2025, added to a copy of the demo database by the
-- commission tests: they compare the seller sales text the inquiry sends
-- with the one the statements re-run. Each sale has what could tell the two
-- texts apart: two invoices of one sale in the period, invoices whose
-- nfinnome is '0', sales without items, items whose ICMS-ST is null (all of a
-- sale's, or some), null amounts, sellers without a position or unknown,
-- movements without commission, cancelled and null statuses, and runs of
-- sales equal in every column but their code. Run by isql in one
-- transaction (through the driver every page is forced out one by one).
SET TERM ^ ;
EXECUTE BLOCK AS
  DECLARE i INTEGER = 0;
  DECLARE s INTEGER;
  DECLARE d DATE;
  DECLARE k INTEGER;
BEGIN
  WHILE (i < 700) DO
  BEGIN
    s = 1000 + i;
    d = DATEADD(MOD(i * 7, 365) DAY TO DATE '2025-01-01');
    IF (MOD(i, 10) < 3) THEN d = DATE '2025-03-15';
    INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag,
                       safktpsaida, savrtotal, sadesconto, savrpago, status)
      VALUES (:s, :d, IIF(MOD(:i, 5) = 0, NULL, :d), 10 + MOD(:i, 8), 1 + MOD(:i, 9),
              1 + MOD(:i, 4), IIF(MOD(:i, 6) = 0, 2, IIF(MOD(:i, 6) = 1, 3, 1)),
              IIF(MOD(:i, 23) = 0, NULL, 100 + MOD(:i, 3) * 50), IIF(MOD(:i, 19) = 0, NULL, 0),
              IIF(MOD(:i, 17) = 0, NULL, 100 + MOD(:i, 3) * 50),
              IIF(MOD(:i, 31) = 0, 'C', IIF(MOD(:i, 37) = 0, NULL, 'A')));
    k = 0;
    WHILE (k < MOD(i, 4)) DO
    BEGIN
      INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itqtd, itvrunitario, itvrtotal, vicmsst)
        VALUES (:s * 10 + :k, :s, 1, 1, 50, 50,
                IIF(MOD(:i, 7) = 0 OR (MOD(:i, 3) = 0 AND :k = 0), NULL, 2.5 * :k));
      k = k + 1;
    END
    INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome)
      VALUES (:s * 10, :s, :i + 1, REPLACE(CAST(:d AS VARCHAR(10)), '-', ''),
              IIF(MOD(:i, 13) = 0, '0', 'CLIENTE'));
    IF (MOD(i, 11) = 0) THEN
      INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome)
        VALUES (:s * 10 + 1, :s, :i + 5000, '20250316', IIF(MOD(:i, 29) = 0, '0', 'OUTRO'));
    i = i + 1;
  END
END^
SET TERM ; ^
COMMIT;
