-- The commission inquiry's fixed query texts, with sample values in the
-- places where the program joins a window value, run by check-queries.sh
-- against a database made by create-db.sh. (The text documents, labels and
-- page reports are not copied here: their tests run the program's own query
-- texts against the same fixture database.)
--
-- Format: each query starts at a line "-- @query NAME" and ends with ";".
-- Optional checks follow the name line:
--   -- @rows N           the query returns exactly N rows
--   -- @columns A,B,...  the result has columns (aliases) named A, B, ...
--   -- @contains TEXT    TEXT appears in the printed result

-- @query comissao.sellers
-- @rows 4
-- @columns FUNOME,FUCOD,CACOMISSAOVENDA
select * from funcionario f inner join cargo c on(c.cacod=f.fkcargo) where f.fuinativo=0 and c.cacomissaovenda>0 order by f.funome;

-- @query comissao.seller_by_name
-- @rows 1
-- @columns FUCOD
select FUCOD from FUNCIONARIO where FUNOME = 'CARLOS ANDRADE';

-- @query comissao.seller_by_name_apostrophe
-- @rows 1
-- @columns FUCOD
select FUCOD from FUNCIONARIO where FUNOME = 'PEDRO D''ALMEIDA';

-- @query comissao.seller_by_name_unknown
-- @rows 0
select FUCOD from FUNCIONARIO where FUNOME = 'FULANO';

-- @query comissao.referrer_lookup
-- @rows 1
-- @columns INNOME
-- @contains ANTÔNIO CARLOS INDICAÇÕES
select innome from interveniente where innome like 'AN%' order by innome;

-- @query comissao.referrer_by_name
-- @rows 1
-- @columns INCOD
-- @contains 40000
select incod from interveniente where innome = 'BEATRIZ ÁLVARES MENDES';

-- @query comissao.referrer_by_name_apostrophe
-- @rows 1
-- @columns INCOD
select incod from interveniente where innome = 'JOSÉ D''ÁVILA';

-- @query comissao.seller_sales_feb_seller1
-- @rows 1
-- @columns CACOMISSAOVENDA,SACOD,SADESCONTO,FPDESC,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,DATASAIDA,DATAENTREGA,SAVRTOTAL,SAVRPAGO,VALORICMSS
-- @contains 1000.00
-- @contains 100.00
select distinct c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago,sum(z.vicmsst) as valoricmss from saida s inner join itemsaida z on (z.itfksacod=s.sacod) inner join funcionario f on (s.safkvendedor=f.fucod) inner join cargo c on (c.cacod=f.fkcargo) inner join formapagamento w on (w.fpcod=s.safktppag) inner join tipomovimento t on (s.safktpsaida=t.tmcod and t.tmcomissao='SIM') inner join notafiscal n on (s.sacod=n.fksaida and n.nfinnome<>'0')inner join interveniente i on (i.incod=s.safkinterveniente) where s.status<>'C' and n.nfdataemissao >= '20240201' and n.nfdataemissao <= '20240229' and f.fucod='1' group by c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago order by s.sacod;

-- @query comissao.seller_sales_mar_all
-- @rows 4
-- @columns CACOMISSAOVENDA,SACOD,SADESCONTO,FPDESC,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,DATASAIDA,DATAENTREGA,SAVRTOTAL,SAVRPAGO,VALORICMSS
select distinct c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago,sum(z.vicmsst) as valoricmss from saida s inner join itemsaida z on (z.itfksacod=s.sacod) inner join funcionario f on (s.safkvendedor=f.fucod) inner join cargo c on (c.cacod=f.fkcargo) inner join formapagamento w on (w.fpcod=s.safktppag) inner join tipomovimento t on (s.safktpsaida=t.tmcod and t.tmcomissao='SIM') inner join notafiscal n on (s.sacod=n.fksaida and n.nfinnome<>'0')inner join interveniente i on (i.incod=s.safkinterveniente) where s.status<>'C' and n.nfdataemissao >= '20240301' and n.nfdataemissao <= '20240331' group by c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago order by s.sacod;

-- @query comissao.seller_sales_mar_seller1
-- @rows 3
-- @columns CACOMISSAOVENDA,SACOD,SADESCONTO,FPDESC,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,DATASAIDA,DATAENTREGA,SAVRTOTAL,SAVRPAGO,VALORICMSS
select distinct c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago,sum(z.vicmsst) as valoricmss from saida s inner join itemsaida z on (z.itfksacod=s.sacod) inner join funcionario f on (s.safkvendedor=f.fucod) inner join cargo c on (c.cacod=f.fkcargo) inner join formapagamento w on (w.fpcod=s.safktppag) inner join tipomovimento t on (s.safktpsaida=t.tmcod and t.tmcomissao='SIM') inner join notafiscal n on (s.sacod=n.fksaida and n.nfinnome<>'0')inner join interveniente i on (i.incod=s.safkinterveniente) where s.status<>'C' and n.nfdataemissao >= '20240301' and n.nfdataemissao <= '20240331' and f.fucod='1' group by c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago order by s.sacod;

-- @query comissao.seller_sales_jan_all
-- @rows 6
-- @columns CACOMISSAOVENDA,SACOD,SADESCONTO,FPDESC,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,DATASAIDA,DATAENTREGA,SAVRTOTAL,SAVRPAGO,VALORICMSS
select distinct c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago,sum(z.vicmsst) as valoricmss from saida s inner join itemsaida z on (z.itfksacod=s.sacod) inner join funcionario f on (s.safkvendedor=f.fucod) inner join cargo c on (c.cacod=f.fkcargo) inner join formapagamento w on (w.fpcod=s.safktppag) inner join tipomovimento t on (s.safktpsaida=t.tmcod and t.tmcomissao='SIM') inner join notafiscal n on (s.sacod=n.fksaida and n.nfinnome<>'0')inner join interveniente i on (i.incod=s.safkinterveniente) where s.status<>'C' and n.nfdataemissao >= '20240101' and n.nfdataemissao <= '20240131' group by c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago order by s.sacod;

-- @query comissao.seller_sales_open_period_all
-- @rows 12
-- @columns CACOMISSAOVENDA,SACOD,SADESCONTO,FPDESC,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,DATASAIDA,DATAENTREGA,SAVRTOTAL,SAVRPAGO,VALORICMSS
select distinct c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago,sum(z.vicmsst) as valoricmss from saida s inner join itemsaida z on (z.itfksacod=s.sacod) inner join funcionario f on (s.safkvendedor=f.fucod) inner join cargo c on (c.cacod=f.fkcargo) inner join formapagamento w on (w.fpcod=s.safktppag) inner join tipomovimento t on (s.safktpsaida=t.tmcod and t.tmcomissao='SIM') inner join notafiscal n on (s.sacod=n.fksaida and n.nfinnome<>'0')inner join interveniente i on (i.incod=s.safkinterveniente) where s.status<>'C' and n.nfdataemissao >= '19011231' and n.nfdataemissao <= '30001231' group by c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago order by s.sacod;

-- @query comissao.seller_sales_apr_seller3
-- @rows 1
-- @columns CACOMISSAOVENDA,SACOD,SADESCONTO,FPDESC,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,DATASAIDA,DATAENTREGA,SAVRTOTAL,SAVRPAGO,VALORICMSS
-- @contains 24790.00
select distinct c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago,sum(z.vicmsst) as valoricmss from saida s inner join itemsaida z on (z.itfksacod=s.sacod) inner join funcionario f on (s.safkvendedor=f.fucod) inner join cargo c on (c.cacod=f.fkcargo) inner join formapagamento w on (w.fpcod=s.safktppag) inner join tipomovimento t on (s.safktpsaida=t.tmcod and t.tmcomissao='SIM') inner join notafiscal n on (s.sacod=n.fksaida and n.nfinnome<>'0')inner join interveniente i on (i.incod=s.safkinterveniente) where s.status<>'C' and n.nfdataemissao >= '20240401' and n.nfdataemissao <= '20240430' and f.fucod='3' group by c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago order by s.sacod;

-- @query comissao.seller_sales_none
-- @rows 0
select distinct c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago,sum(z.vicmsst) as valoricmss from saida s inner join itemsaida z on (z.itfksacod=s.sacod) inner join funcionario f on (s.safkvendedor=f.fucod) inner join cargo c on (c.cacod=f.fkcargo) inner join formapagamento w on (w.fpcod=s.safktppag) inner join tipomovimento t on (s.safktpsaida=t.tmcod and t.tmcomissao='SIM') inner join notafiscal n on (s.sacod=n.fksaida and n.nfinnome<>'0')inner join interveniente i on (i.incod=s.safkinterveniente) where s.status<>'C' and n.nfdataemissao >= '20230101' and n.nfdataemissao <= '20231231' group by c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago order by s.sacod;

-- @query comissao.seller_cancel_all
-- @rows 3
-- @columns SADTCANCELAMENTO,CNUSUARIO,CNMOTIVO,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,FKSACOD,COPERCREAL,DATASAIDA,DATAENTREGA,SAVRTOTAL,VRCOMIS
select distinct s.sadtcancelamento,u.cnusuario,u.cnmotivo,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, c.fksacod, c.copercreal, s.datasaida, s.dataentrega, s.savrtotal, sum(c.covrcomissao) as vrcomis from comissaoitem c inner join funcionario f on (c.fkfucod=f.fucod) inner join saida s on (s.sacod=c.fksacod and s.status='C') inner join notafiscal n on (s.sacod=n.fksaida) inner join interveniente i on (i.incod=s.safkinterveniente) inner join cancelamento u on (s.sacod=u.sacod) where n.nfnumerodanota<>'0' and s.sadtcancelamento between '3/5/2024' and '3/31/2024' group by s.sadtcancelamento,u.cnusuario,u.cnmotivo,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, c.fksacod, c.copercreal, s.datasaida, s.dataentrega, s.savrtotal;

-- @query comissao.seller_cancel_seller1
-- @rows 1
-- @columns SADTCANCELAMENTO,CNUSUARIO,CNMOTIVO,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,FKSACOD,COPERCREAL,DATASAIDA,DATAENTREGA,SAVRTOTAL,VRCOMIS
-- @contains 20.00
select distinct s.sadtcancelamento,u.cnusuario,u.cnmotivo,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, c.fksacod, c.copercreal, s.datasaida, s.dataentrega, s.savrtotal, sum(c.covrcomissao) as vrcomis from comissaoitem c inner join funcionario f on (c.fkfucod=f.fucod) inner join saida s on (s.sacod=c.fksacod and s.status='C') inner join notafiscal n on (s.sacod=n.fksaida) inner join interveniente i on (i.incod=s.safkinterveniente) inner join cancelamento u on (s.sacod=u.sacod) where n.nfnumerodanota<>'0' and s.sadtcancelamento between '3/5/2024' and '3/31/2024' and c.fkfucod='1' group by s.sadtcancelamento,u.cnusuario,u.cnmotivo,i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, c.fksacod, c.copercreal, s.datasaida, s.dataentrega, s.savrtotal;

-- @query comissao.rep_sales_mar_all
-- @rows 7
-- @columns FKSACOD,CACOMISSAOVENDA,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,DATASAIDA,DATAENTREGA,SAVRPAGO,VRCOMIS
select s.sacod as fksacod, c.cacomissaovenda, i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*c.cacomissaovenda)/100) as vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner join funcionario f on (i.inrepresentante=f.fucod) inner join cargo c on (f.fkcargo=c.cacod) inner join notafiscal n on (s.sacod=n.fksaida) where n.nfnumerodanota<>'0' and n.nfdataemissao >= '20240301' and n.nfdataemissao <= '20240331' order by n.nfdataemissao;

-- @query comissao.rep_sales_mar_rep5
-- @rows 7
-- @columns FKSACOD,CACOMISSAOVENDA,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,DATASAIDA,DATAENTREGA,SAVRPAGO,VRCOMIS
select s.sacod as fksacod, c.cacomissaovenda, i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*c.cacomissaovenda)/100) as vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner join funcionario f on (i.inrepresentante=f.fucod) inner join cargo c on (f.fkcargo=c.cacod) inner join notafiscal n on (s.sacod=n.fksaida) where n.nfnumerodanota<>'0' and n.nfdataemissao >= '20240301' and n.nfdataemissao <= '20240331' and i.inrepresentante='5' order by n.nfdataemissao;

-- @query comissao.rep_cancel_all
-- @rows 2
-- @columns FKSACOD,CACOMISSAOVENDA,INAPELIDO,INNOME,INCNPJ,INCPF,FUNOME,DATASAIDA,DATAENTREGA,SAVRPAGO,VRCOMIS,SADTCANCELAMENTO,CNUSUARIO,CNMOTIVO
select s.sacod as fksacod, s.sadtcancelamento, u.cnusuario, u.cnmotivo, c.cacomissaovenda, i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*c.cacomissaovenda)/100) as vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner join funcionario f on (i.inrepresentante=f.fucod) inner join cargo c on (f.fkcargo=c.cacod) inner join notafiscal n on (s.sacod=n.fksaida) inner join cancelamento u on (s.sacod=u.sacod) where n.nfnumerodanota<>'0' and s.sadtcancelamento between '3/5/2024' and '3/31/2024' order by s.sadtcancelamento;

-- @query comissao.rep_cancel_rep5
-- @rows 2
select s.sacod as fksacod, s.sadtcancelamento, u.cnusuario, u.cnmotivo, c.cacomissaovenda, i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*c.cacomissaovenda)/100) as vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner join funcionario f on (i.inrepresentante=f.fucod) inner join cargo c on (f.fkcargo=c.cacod) inner join notafiscal n on (s.sacod=n.fksaida) inner join cancelamento u on (s.sacod=u.sacod) where n.nfnumerodanota<>'0' and s.sadtcancelamento between '3/5/2024' and '3/31/2024' and i.inrepresentante='5' order by s.sadtcancelamento;

-- @query comissao.ref_sales_mar_all
-- @rows 8
-- @columns FKSACOD,INAPELIDO,INNOME,INCNPJ,INCPF,DATASAIDA,DATAENTREGA,SAVRPAGO,VRCOMIS
select s.sacod as fksacod, i.inapelido, i.innome, i.incnpj, i.incpf, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*2.5)/100) as vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner join notafiscal n on (s.sacod=n.fksaida) where n.nfnumerodanota<>'0' and n.nfdataemissao >= '20240301' and n.nfdataemissao <= '20240331' order by n.nfdataemissao;

-- @query comissao.ref_sales_mar_ref40
-- @rows 3
-- @columns FKSACOD,INAPELIDO,INNOME,INCNPJ,INCPF,DATASAIDA,DATAENTREGA,SAVRPAGO,VRCOMIS
select s.sacod as fksacod, i.inapelido, i.innome, i.incnpj, i.incpf, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*2.5)/100) as vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner join notafiscal n on (s.sacod=n.fksaida) where n.nfnumerodanota<>'0' and n.nfdataemissao >= '20240301' and n.nfdataemissao <= '20240331' and i.inindicacao='40' order by n.nfdataemissao;

-- @query comissao.ref_sales_mar_ref40000
-- @rows 3
-- @columns FKSACOD,INAPELIDO,INNOME,INCNPJ,INCPF,DATASAIDA,DATAENTREGA,SAVRPAGO,VRCOMIS
select s.sacod as fksacod, i.inapelido, i.innome, i.incnpj, i.incpf, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*2.5)/100) as vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner join notafiscal n on (s.sacod=n.fksaida) where n.nfnumerodanota<>'0' and n.nfdataemissao >= '20240301' and n.nfdataemissao <= '20240331' and i.inindicacao='40000' order by n.nfdataemissao;

-- @query comissao.ref_cancel_all
-- @rows 2
-- @columns FKSACOD,INAPELIDO,INNOME,INCNPJ,INCPF,DATASAIDA,DATAENTREGA,SAVRPAGO,VRCOMIS,SADTCANCELAMENTO,CNUSUARIO,CNMOTIVO
select s.sacod as fksacod, s.sadtcancelamento, u.cnusuario, u.cnmotivo, i.inapelido, i.innome, i.incnpj, i.incpf, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*2.5)/100) as vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner join notafiscal n on (s.sacod=n.fksaida) inner join cancelamento u on (s.sacod=u.sacod) where n.nfnumerodanota<>'0' and s.sadtcancelamento between '3/5/2024' and '3/31/2024' order by s.sadtcancelamento;

-- @query comissao.ref_cancel_ref40
-- @rows 1
select s.sacod as fksacod, s.sadtcancelamento, u.cnusuario, u.cnmotivo, i.inapelido, i.innome, i.incnpj, i.incpf, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*2.5)/100) as vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner join notafiscal n on (s.sacod=n.fksaida) inner join cancelamento u on (s.sacod=u.sacod) where n.nfnumerodanota<>'0' and s.sadtcancelamento between '3/5/2024' and '3/31/2024' and i.inindicacao='40' order by s.sadtcancelamento;
