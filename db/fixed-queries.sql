-- Every fixed query text that TL_Relatorios sends, with sample values in the
-- places where the program joins a job value or a window value, run by
-- check-queries.sh against a database made by create-db.sh.
--
-- Format: each query starts at a line "-- @query NAME" and ends with ";".
-- Optional checks follow the name line:
--   -- @rows N           the query returns exactly N rows
--   -- @columns A,B,...  the result has columns (aliases) named A, B, ...
--   -- @contains TEXT    TEXT appears in the printed result
-- The texts keep their own spacing and case; the data commands' "?" is
-- replaced by a sample key, and two variants the program uses are added:
-- the order items with P.PRCLASS and P.PRCST, and the production items with
-- a left join on their materials.

-- @query dispatch.os_customer
-- @rows 1
-- @columns INNOME
-- @contains JOSÉ D'ÁVILA
select i.innome from os o inner join interveniente i on (i.incod=o.fkinterveniente) where o.oscod='1';

-- @query dispatch.os_customer_missing
-- @rows 0
select i.innome from os o inner join interveniente i on (i.incod=o.fkinterveniente) where o.oscod='4';

-- @query PEDIDO.parent
-- @rows 1
-- @columns SACOD,TMDESC,DATASAIDA,DATAENTREGA,INNOME,INCONTATO,INFONE,INFAX,INCELULAR,INCNPJ,ININSCRICAO,INCPF,INRG,INENDERECO,INNUMERO,INCOMPLEMENTO,INCEP,INBAIRRO,INMUNICIPIO,INUF,INENDERECO2,INNUMERO2,INCOMPLEMENTO2,INMUNICIPIO2,INUF2,INBAIRRO2,INCEP2,INENENDERECO,INENNUMERO,INENCOMPLEMENTO,INENCEP,INENBAIRRO,INENMUNICIPIO,INENUF,INENHRINICIAL,INENHRFINAL,INENSEMANA,INENZONA,INENREFERENCIA,ININDICACAO,SAENTREGA,VALORICMSS,VALORIPI,VRFRETE,SADESCONTO,TOTAL,FPDESC,VRCOMFRETE,SAOBS,FUNOME,SAVRTROCA,VRCOMTROCA
SELECT t.tmdesc,s.total,s.sacod, s.datasaida,s.dataentrega, s.saentrega, s.sadesconto, s.valoripi, s.valoricmss, s.vrfrete,s.savrtroca, s.saobs, i.innome,i.inindicacao,i.incontato, i.inendereco, i.innumero, i.incomplemento, i.inmunicipio, i.inuf, i.inbairro, i.incep, i.inendereco2, i.innumero2, i.incomplemento2, i.inmunicipio2, i.inuf2, i.inbairro2, i.incep2, i.inenendereco, i.inennumero, i.inencomplemento, i.inenreferencia,i.inenzona,i.inenmunicipio, i.inenuf, i.inenbairro, i.inencep,i.infone,i.infax,i.incelular,i.inenhrinicial,i.inenhrfinal,i.inensemana,i.incpf,i.incnpj,i.inrg,i.ininscricao,f.fpdesc, w.funome, (s.savrpago) AS VRCOMFRETE,(s.savrpago - s.savrtroca) AS VRCOMTROCA  
FROM saida s 
INNER JOIN interveniente i ON (i.incod = s.safkinterveniente) INNER JOIN formapagamento f ON (f.fpcod = s.safktppag) 
INNER JOIN tipomovimento t ON (t.tmcod = s.safktpsaida) 
INNER JOIN funcionario w ON (w.fucod = s.safkvendedor) WHERE s.sacod = 1;

-- @query PEDIDO.parent_none
-- @rows 0
SELECT t.tmdesc,s.total,s.sacod, s.datasaida,s.dataentrega, s.saentrega, s.sadesconto, s.valoripi, s.valoricmss, s.vrfrete,s.savrtroca, s.saobs, i.innome,i.inindicacao,i.incontato, i.inendereco, i.innumero, i.incomplemento, i.inmunicipio, i.inuf, i.inbairro, i.incep, i.inendereco2, i.innumero2, i.incomplemento2, i.inmunicipio2, i.inuf2, i.inbairro2, i.incep2, i.inenendereco, i.inennumero, i.inencomplemento, i.inenreferencia,i.inenzona,i.inenmunicipio, i.inenuf, i.inenbairro, i.inencep,i.infone,i.infax,i.incelular,i.inenhrinicial,i.inenhrfinal,i.inensemana,i.incpf,i.incnpj,i.inrg,i.ininscricao,f.fpdesc, w.funome, (s.savrpago) AS VRCOMFRETE,(s.savrpago - s.savrtroca) AS VRCOMTROCA  
FROM saida s 
INNER JOIN interveniente i ON (i.incod = s.safkinterveniente) INNER JOIN formapagamento f ON (f.fpcod = s.safktppag) 
INNER JOIN tipomovimento t ON (t.tmcod = s.safktpsaida) 
INNER JOIN funcionario w ON (w.fucod = s.safkvendedor) WHERE s.sacod = 0;

-- @query PEDIDO.ITEMSAIDA
-- @columns ITFKSACOD,ITQTD,PROBS,PRBARRA,ITPRNOME,ITUNIDADE,ITVRUNITARIO,ITVRTOTAL,ITVRIPI
SELECT I.ITFKSACOD, I.ITQTD, P.PROBS,P.PRBARRA, I.ITPRNOME, I.ITUNIDADE, I.ITVRUNITARIO, I.ITVRTOTAL, I.ITVRIPI FROM ITEMSAIDA I INNER JOIN PRODUTO P ON(P.PRCOD=I.ITFKPRCOD);

-- @query PEDIDO.ITEMSAIDA_with_class_cst
-- @columns ITFKSACOD,ITQTD,PROBS,PRBARRA,ITPRNOME,ITUNIDADE,ITVRUNITARIO,ITVRTOTAL,ITVRIPI,PRCLASS,PRCST
SELECT I.ITFKSACOD, I.ITQTD, P.PROBS,P.PRBARRA, I.ITPRNOME, I.ITUNIDADE, I.ITVRUNITARIO, I.ITVRTOTAL, I.ITVRIPI, P.PRCLASS, P.PRCST FROM ITEMSAIDA I INNER JOIN PRODUTO P ON(P.PRCOD=I.ITFKPRCOD);

-- @query PEDIDO_TROCA.parent
-- @rows 1
-- @columns SACOD,DATASAIDA,INNOME,FUNOME,TMDESC,SADESCONTO
SELECT t.tmdesc,s.total,s.sacod, s.datasaida, s.saentrega, s.sadesconto, s.valoripi, s.valoricmss, s.vrfrete, s.saobs, i.innome,i.inindicacao,i.incontato, i.inendereco, i.innumero, i.incomplemento, i.inmunicipio, i.inuf, i.inbairro, i.incep, i.inendereco2, i.innumero2, i.incomplemento2, i.inmunicipio2, i.inuf2, i.inbairro2, i.incep2, i.inenendereco, i.inennumero, i.inencomplemento, i.inenreferencia,i.inenzona,i.inenmunicipio, i.inenuf, i.inenbairro, i.inencep,i.infone,i.infax,i.incelular,i.inenhrinicial,i.inenhrfinal,i.inensemana,i.incpf,i.incnpj,i.inrg,i.ininscricao,f.fpdesc, w.funome
FROM saida s 
INNER JOIN interveniente i ON (i.incod = s.safkinterveniente) INNER JOIN formapagamento f ON (f.fpcod = s.safktppag) 
INNER JOIN tipomovimento t ON (t.tmcod = s.safktpsaida) 
INNER JOIN funcionario w ON (w.fucod = s.safkvendedor) WHERE s.sacod = 4;

-- @query PEDIDO_TROCA.ITEMSAIDA_TROCA
-- @rows 2
-- @columns ITFKSACOD,ITQTD,PRBARRA,ITPRNOME,ITUNIDADE,ITVRUNITARIO,ITVRTOTAL,ITVRIPI
SELECT I.ITFKSACOD, I.ITQTD, P.PRBARRA, I.ITPRNOME, I.ITUNIDADE, I.ITVRUNITARIO, I.ITVRTOTAL, I.ITVRIPI FROM ITEMSAIDA_TROCA I INNER JOIN PRODUTO P ON(P.PRCOD=I.ITFKPRCOD);

-- @query OS.parent
-- @rows 1
-- @columns OSCOD,INNOME,OSDATAENTRADA,OSRESPONSAVEL,INFONE,INFAX,INCELULAR,SIDESC,OSAGENDA,OSPERIODO,OSDATAPREVISAO,OSDATAGARANTIA,INENDERECO,INNUMERO,INCOMPLEMENTO,INBAIRRO,INMUNICIPIO,INCEP,INENDERECO2,INNUMERO2,INCOMPLEMENTO2,INBAIRRO2,INMUNICIPIO2,INCEP2,INENENDERECO,INENNUMERO,INENCOMPLEMENTO,INENBAIRRO,INENMUNICIPIO,INENCEP,INENREFERENCIA,FUNOME,OBDESC,OSMARCA,OSID,OSOBS,OSDEFEITO,OSAVALIACAO
SELECT 
S.SIDESC,I.INCPF,I.INCNPJ,I.INNOME,I.INENDERECO,I.INNUMERO,I.INCOMPLEMENTO,I.INBAIRRO,I.INMUNICIPIO,I.INUF,I.INCEP,I.INFONE,I.INFAX,I.INCELULAR,I.INENREFERENCIA,I.INENENDERECO,I.INENNUMERO,I.INENCOMPLEMENTO,I.INENBAIRRO,I.INENMUNICIPIO,I.INENUF,I.INENCEP,I.INENDERECO2,I.INNUMERO2,I.INCOMPLEMENTO2,I.INBAIRRO2,I.INMUNICIPIO2,I.INUF2,I.INCEP2,
O.*,
F.FUNOME,B.OBDESC
FROM OS O INNER JOIN FUNCIONARIO F ON(F.FUCOD=O.FKTECNICO) INNER JOIN INTERVENIENTE I ON(I.INCOD=O.FKINTERVENIENTE) INNER JOIN OBJETO B ON(B.OBCOD=O.FKOBJETO) INNER JOIN SITUACAO S ON(S.SICOD=O.FKSITUACAO) WHERE O.OSCOD='1';

-- @query OS.parent_no_customer
-- @rows 0
SELECT 
S.SIDESC,I.INCPF,I.INCNPJ,I.INNOME,I.INENDERECO,I.INNUMERO,I.INCOMPLEMENTO,I.INBAIRRO,I.INMUNICIPIO,I.INUF,I.INCEP,I.INFONE,I.INFAX,I.INCELULAR,I.INENREFERENCIA,I.INENENDERECO,I.INENNUMERO,I.INENCOMPLEMENTO,I.INENBAIRRO,I.INENMUNICIPIO,I.INENUF,I.INENCEP,I.INENDERECO2,I.INNUMERO2,I.INCOMPLEMENTO2,I.INBAIRRO2,I.INMUNICIPIO2,I.INUF2,I.INCEP2,
O.*,
F.FUNOME,B.OBDESC
FROM OS O INNER JOIN FUNCIONARIO F ON(F.FUCOD=O.FKTECNICO) INNER JOIN INTERVENIENTE I ON(I.INCOD=O.FKINTERVENIENTE) INNER JOIN OBJETO B ON(B.OBCOD=O.FKOBJETO) INNER JOIN SITUACAO S ON(S.SICOD=O.FKSITUACAO) WHERE O.OSCOD='4';

-- @query OS.SERVICO
-- @rows 5
-- @columns ITFKOS,ITOSTIPO,ITOSNOME,ITOSVRUNITARIO,ITOSQTDE,ITOSVRTOTAL
SELECT * FROM ITEMOS ORDER BY ITOSTIPO;

-- @query PEDCOMP.parent
-- @rows 1
-- @columns ENCOD,ENDTENTREGA,DATAENTRADA,INNOME,INCNPJ,ININSCRICAO,INFONE,INENDERECO,INMUNICIPIO,INUF,INBAIRRO,INCEP,ENOBS,FPDESC
select * from entradacompra e
inner join interveniente i on (i.incod=e.fkincod)
where e.encod=1;

-- @query PEDCOMP.ITPEDCOMP
-- @rows 4
-- @columns ITFKENCOD,PROBS,PRBARRA,ITPRNOME,PRUNIENTRADA,ITQTD,ITVRUNITARIO,ITVRTOTAL,PERCIPI,TVRIPI,TITVRICMSST,TOTALPROD,PRCUSTO,ITOBS
select distinct p.*,i.*, (i.itvrtotal+(i.itqtd*i.vripi)+(i.itqtd*i.itvricmsst)) as TOTALPROD,
(i.itqtd*i.itvricmsst) as titvricmsst,(i.itqtd*i.vripi) as tvripi from itementradacompra i
inner join produto p on (p.prcod=i.itfkprcod);

-- @query SR.parent
-- @rows 1
-- @columns SACOD,DATASAIDA,USUARIO,SAOBS,FUNOME,CCDESC,TMDESC
SELECT s.sacod,s.datasaida,s.usuario,s.saobs,f.funome,c.ccdesc,t.tmdesc FROM SAIDARESUMIDA S INNER JOIN FUNCIONARIO F ON (S.FKFUNCIONARIO=F.FUCOD) INNER JOIN CENTROCUSTO C ON (S.FKCCCOD=C.CCCOD) INNER JOIN TIPOMOVIMENTO T ON (S.FKTPSAIDA=T.TMCOD) WHERE S.SACOD=501;

-- @query SR.SRITENS
-- @columns ITFKSAIDARESUMIDA,PRBARRA,ITPRNOME,ITUNIDADE,ITQTD,ITVRUNITARIO,ITVRTOTAL
SELECT I.ITFKSAIDARESUMIDA,I.ITPRNOME,I.ITUNIDADE,I.ITQTD,I.ITVRUNITARIO,I.ITVRTOTAL,P.PRBARRA FROM ITEMSAIDA I INNER JOIN PRODUTO P ON (P.PRCOD=I.ITFKPRCOD);

-- @query KIT.parent
-- @rows 1
-- @columns PRCOD,PRNOME
SELECT PRCOD,PRNOME FROM PRODUTO WHERE PRCOD=60;

-- @query KIT.MP_KIT
-- @rows 5
-- @columns FKPRCODKIT,KITORDEM,KITPRQTDE,PRNOME,OBSPRODUCAO
SELECT 
K.FKPRCODKIT,
K.KITPRQTDE, 
K.KITORDEM,
P.PRNOME,
P.OBSPRODUCAO
FROM 
KIT K
INNER JOIN PRODUTO P ON(P.PRCOD=K.FKPRCOD)
ORDER BY K.KITORDEM;

-- @query PRODUCAO.parent
-- @rows 1
-- @columns PCOD,PDTPEDIDO,PDTENTREGA,POBS,TMDESC
select p.pcod, p.pdtpedido, p.pdtentrega, p.pobs, t.tmdesc from producao p inner join tipomovimento t on(t.tmcod=p.fktmcod) where p.pcod=1;

-- @query PRODUCAO.PROITENS
-- @rows 2
-- @columns ITCOD,FKPCOD,PROBS,ITNOME,ITQTDE,ITDESC,PRBARRA
select distinct itemproducao.*, produto.prbarra from itemproducao inner join producao on (producao.pcod=itemproducao.fkpcod) inner join mpitemproducao on (mpitemproducao.fkitcod=itemproducao.itcod) inner join produto on (produto.prcod=itemproducao.fkprcod);

-- @query PRODUCAO.PROITENS_left_join
-- @rows 3
-- @columns ITCOD,FKPCOD,PROBS,ITNOME,ITQTDE,ITDESC,PRBARRA
select distinct itemproducao.*, produto.prbarra from itemproducao inner join producao on (producao.pcod=itemproducao.fkpcod) left join mpitemproducao on (mpitemproducao.fkitcod=itemproducao.itcod) inner join produto on (produto.prcod=itemproducao.fkprcod);

-- @query PRODUCAO.PROMPITENS
-- @rows 4
-- @columns FKITCOD,MPCOD,MPNOME,MPQTDETOTAL,PRUNISAIDA
select mpitemproducao.* from mpitemproducao order by mpcod;

-- @query TABELAPRECO.parent
-- @rows 1
-- @columns TBCOD
SELECT  DISTINCT TBCOD FROM TABELAPRODUTO  WHERE TBCOD=1;

-- @query TABELAPRECO.ITENSTABELA
-- @rows 12
-- @columns TBCOD,PRBARRA,PRNOME,PRUNIENTRADA,FKPRPRECO
SELECT * FROM PRODUTO INNER JOIN TABELAPRODUTO ON (TABELAPRODUTO.PRCOD=PRODUTO.PRCOD) ORDER BY PRODUTO.PRNOME;

-- @query entrada.items
-- @rows 4
-- @columns ENOBS,ITFKPRCOD,ITPRNOME,ITQTD,ITVRUNITARIO,ITVRTOTAL,ITVRIPI,ITVRICMSST
select e.enobs,i.itprnome,i.itfkprcod,i.itqtd,i.itvrunitario,i.itvrtotal,i.itvripi,i.ITVRICMSST from itementrada i inner join entrada e on(e.encod=i.itfkencod) where itfkencod='1';

-- @query entrada.items_none
-- @rows 0
select e.enobs,i.itprnome,i.itfkprcod,i.itqtd,i.itvrunitario,i.itvrtotal,i.itvripi,i.ITVRICMSST from itementrada i inner join entrada e on(e.encod=i.itfkencod) where itfkencod='2';

-- @query entrada.items_long
-- @rows 75
-- @columns ENOBS,ITFKPRCOD,ITPRNOME,ITQTD,ITVRUNITARIO,ITVRTOTAL,ITVRIPI,ITVRICMSST
select e.enobs,i.itprnome,i.itfkprcod,i.itqtd,i.itvrunitario,i.itvrtotal,i.itvripi,i.ITVRICMSST from itementrada i inner join entrada e on(e.encod=i.itfkencod) where itfkencod='3';

-- @query entrada.instalments
-- @rows 3
-- @columns TRDESC,LAVALOR,DATAVENCIMENTO
select * from lancamento l inner join tiporecebimento t on(t.trcod=l.fktrcod) where fkentrada='1' order by l.datavencimento;

-- @query ostexto.order
-- @rows 1
-- @columns FUNOME,TIDESC,INCOD,INNOME,INCONTATO,INFONE,INCELULAR,INENDERECO,INENENDERECO,INBAIRRO,INENBAIRRO,INMUNICIPIO,INENMUNICIPIO,INCEP,INENCEP,OSID,OSDATAENTRADA,OSAGENDA,OSPERIODO,OSDATAGARANTIA,OSDATAPREVISAO,OBDESC,OSMARCA,OSOBS,OSDEFEITO,INENREFERENCIA,INFAX,INCNPJ,INCPF
select f.funome, b.obdesc, t.tidesc, o.*, i.* from os o inner join funcionario f on (o.fktecnico=f.fucod) inner join objeto b on (b.obcod=o.fkobjeto) inner join tipoos t on (t.ticod=o.fktipo) inner join interveniente i on (i.incod=o.fkinterveniente) where o.oscod='1';

-- @query ostexto.order_delivery_only
-- @rows 1
-- @columns FUNOME,TIDESC,INCOD,INNOME,INCONTATO,INFONE,INCELULAR,INENDERECO,INENENDERECO,INBAIRRO,INENBAIRRO,INMUNICIPIO,INENMUNICIPIO,INCEP,INENCEP,OSID,OSDATAENTRADA,OSAGENDA,OSPERIODO,OSDATAGARANTIA,OSDATAPREVISAO,OBDESC,OSMARCA,OSOBS,OSDEFEITO,INENREFERENCIA,INFAX,INCNPJ,INCPF
select f.funome, b.obdesc, t.tidesc, o.*, i.* from os o inner join funcionario f on (o.fktecnico=f.fucod) inner join objeto b on (b.obcod=o.fkobjeto) inner join tipoos t on (t.ticod=o.fktipo) inner join interveniente i on (i.incod=o.fkinterveniente) where o.oscod='3';

-- @query ostexto.order_no_customer
-- @rows 0
select f.funome, b.obdesc, t.tidesc, o.*, i.* from os o inner join funcionario f on (o.fktecnico=f.fucod) inner join objeto b on (b.obcod=o.fkobjeto) inner join tipoos t on (t.ticod=o.fktipo) inner join interveniente i on (i.incod=o.fkinterveniente) where o.oscod='4';

-- @query cupom.store
-- @rows 1
-- @columns CB1,CB2,CB3,RP1,RP2,RP3
SELECT CB1,CB2,CB3,RP1,RP2,RP3 FROM PARAM INNER JOIN INTERVENIENTE ON (INTERVENIENTE.INCOD=PARAM.FKINCOD) WHERE INTERVENIENTE.FKTIPOINTERVENIENTE=5;

-- @query cupom.sale
-- @rows 1
-- @columns DATASAIDA,TMDESC,USUARIO_CRI,SAFKINTERVENIENTE,INNOME,SAVRTOTAL,SAVRPAGO,SADESCONTO,FUNOME
select s.datasaida,t.tmdesc,s.usuario_cri,s.safkinterveniente,i.innome,s.savrtotal,s.savrpago,s.sadesconto,f.funome from saida s inner join tipomovimento t on(s.safktpsaida=t.tmcod) inner join interveniente i on(i.incod=s.safkinterveniente) inner join funcionario f on(f.fucod=s.safkvendedor) where s.sacod ='4';

-- @query cupom.sale_none
-- @rows 0
select s.datasaida,t.tmdesc,s.usuario_cri,s.safkinterveniente,i.innome,s.savrtotal,s.savrpago,s.sadesconto,f.funome from saida s inner join tipomovimento t on(s.safktpsaida=t.tmcod) inner join interveniente i on(i.incod=s.safkinterveniente) inner join funcionario f on(f.fucod=s.safkvendedor) where s.sacod ='999';

-- @query cupom.items
-- @rows 6
-- @columns ITUNIDADE,TPPROMOCAO,PRBARRA,PRCOD,PROBS,ITPRNOME,ITQTD,ITVRUNITARIO,ITOBS
select i.itunidade,i.tppromocao,i.itentrega_retira,p.prbarra,p.prcod,p.probs,p.prcusto,i.itprnome,i.itqtd,i.itsadesconto,i.itvrunitario,i.itobs from itemsaida i inner join produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='4' order by prbarra;

-- @query cupom.items_30
-- @rows 30
-- @columns ITUNIDADE,TPPROMOCAO,PRBARRA,PRCOD,PROBS,ITPRNOME,ITQTD,ITVRUNITARIO,ITOBS
select i.itunidade,i.tppromocao,i.itentrega_retira,p.prbarra,p.prcod,p.probs,p.prcusto,i.itprnome,i.itqtd,i.itsadesconto,i.itvrunitario,i.itobs from itemsaida i inner join produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='3' order by prbarra;

-- @query cupom.payments
-- @rows 2
-- @columns DATAVENCIMENTO,TRDESC,LAVALOR
select l.datavencimento,t.trdesc,l.lavalor from lancamento l inner join tiporecebimento t on(t.trcod=l.fktrcod) where l.fksaida ='4' order by l.datavencimento;

-- @query cupom.payments_none
-- @rows 0
select l.datavencimento,t.trdesc,l.lavalor from lancamento l inner join tiporecebimento t on(t.trcod=l.fktrcod) where l.fksaida ='5' order by l.datavencimento;

-- @query cupom.exchange
-- @rows 2
-- @columns ITUNIDADE,TPPROMOCAO,PRBARRA,PRCOD,PROBS,ITPRNOME,ITQTD,ITVRUNITARIO,ITOBS
select i.itunidade,i.tppromocao,i.itentrega_retira,p.prbarra,p.prcod,p.probs,p.prcusto,i.itprnome,i.itqtd,i.itsadesconto,i.itvrunitario,i.itobs from itemsaida_troca i inner join produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='4' order by prbarra;

-- @query cupom.exchange_none
-- @rows 0
select i.itunidade,i.tppromocao,i.itentrega_retira,p.prbarra,p.prcod,p.probs,p.prcusto,i.itprnome,i.itqtd,i.itsadesconto,i.itvrunitario,i.itobs from itemsaida_troca i inner join produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='1' order by prbarra;

-- @query texto.summary
-- @rows 1
-- @columns FPDESC,SANF,INUF,ENTREGA
select s.sadesconto,f.fpdesc,s.sanf,u.funome,s.saobs,i.innome,i.inendereco,i.inmunicipio,i.inuf,i.incnpj,i.incpf,i.inbairro,i.ininscricao,i.incep,i.infone,i.datanascimento,i.entrega from saida s inner join interveniente i on(i.incod=s.safkinterveniente) inner join formapagamento f on (s.safktppag=f.fpcod) inner join funcionario u on (u.fucod=s.SAFKVENDEDOR) where s.sacod ='1';

-- @query texto.state
-- @rows 1
-- @columns ICALIQUOTA
select icaliquota from icms where icuf ='SP';

-- @query texto.state_empty
-- @rows 0
select icaliquota from icms where icuf ='';

-- @query texto.order
-- @rows 1
-- @columns SACOD,TMDESC,INCOD,DATASAIDA,DATAENTREGA,FUNOME,INAPELIDO,INNOME,INCONTATO,INFONE,INENENDERECO,INENNUMERO,INENCOMPLEMENTO,INENBAIRRO,INFAX,DATANASCIMENTO,INENMUNICIPIO,INENUF,INENREFERENCIA,ININSCRICAO,INENCEP,INCPF,INCNPJ,SAOBS,SAVRTOTAL,SADESCONTO,CACOMISSAOVENDA,GCDESC
select c.cacomissaovenda,f.funome, s.saobs, s.sacod,g.gcdesc,t.tmdesc, i.*, s.datasaida,s.dataentrega,s.sadesconto,s.savrtotal from saida s,tipomovimento t,grupocompra g,interveniente i, funcionario f, cargo c where f.fkcargo=c.cacod and f.fucod=s.safkvendedor and i.fkgcompra=g.gccod and s.safktpsaida=t.tmcod and s.safkinterveniente=i.incod and s.sacod='1';

-- @query texto.order_incomplete
-- @rows 0
select c.cacomissaovenda,f.funome, s.saobs, s.sacod,g.gcdesc,t.tmdesc, i.*, s.datasaida,s.dataentrega,s.sadesconto,s.savrtotal from saida s,tipomovimento t,grupocompra g,interveniente i, funcionario f, cargo c where f.fkcargo=c.cacod and f.fucod=s.safkvendedor and i.fkgcompra=g.gccod and s.safktpsaida=t.tmcod and s.safkinterveniente=i.incod and s.sacod='12';

-- @query texto.items
-- @rows 3
-- @columns PRBARRA,ITPRNOME,ITQTD,ITUNIDADE,ITVRUNITARIO,ITVRIPI,ITVRTOTAL,PRBRU
select * from itemsaida inner join produto on produto.prcod=itemsaida.itfkprcod where itemsaida.itfksacod ='1';

-- @query etiqueta.items
-- @rows 3
-- @columns PRBARRA,ITPRNOME,ITQTD,ITVRUNITARIO
select p.prbarra,i.itprnome,i.itqtd,i.itvrunitario from itemsaida i inner join produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='7' order by i.itcod;

-- @query etiqueta.items_odd_quantities
-- @rows 4
select p.prbarra,i.itprnome,i.itqtd,i.itvrunitario from itemsaida i inner join produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='11' order by i.itcod;

-- @query etiqueta.items_none
-- @rows 0
select p.prbarra,i.itprnome,i.itqtd,i.itvrunitario from itemsaida i inner join produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='6' order by i.itcod;

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
