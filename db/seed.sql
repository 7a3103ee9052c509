-- Demo data: a small air-conditioning and refrigeration shop in São Paulo.
-- Every document of TL_Relatorios has rows to print; SEED.md lists which
-- code serves which case. All dates are fixed (2024) so tests stay stable.
-- Item keys follow sale*1000 + line (sale 4, line 2 = itcod 4002).

-- ---------------------------------------------------------------- lookups

INSERT INTO grupocompra (gccod, gcdesc) VALUES (1, 'VAREJO');
INSERT INTO grupocompra (gccod, gcdesc) VALUES (2, 'ATACADO');

INSERT INTO icms (icuf, icaliquota) VALUES ('SP', 18.00);
INSERT INTO icms (icuf, icaliquota) VALUES ('RJ', 20.00);
INSERT INTO icms (icuf, icaliquota) VALUES ('MG', 18.00);
INSERT INTO icms (icuf, icaliquota) VALUES ('PR', 19.50);
INSERT INTO icms (icuf, icaliquota) VALUES ('RS', 17.00);

INSERT INTO cargo (cacod, cadesc, cacomissaovenda) VALUES (1, 'VENDEDOR', 5.00);
INSERT INTO cargo (cacod, cadesc, cacomissaovenda) VALUES (2, 'REPRESENTANTE / GERENTE', 3.00);
INSERT INTO cargo (cacod, cadesc, cacomissaovenda) VALUES (3, 'TÉCNICO', 0.00);
INSERT INTO cargo (cacod, cadesc, cacomissaovenda) VALUES (4, 'CAIXA', 0.00);
INSERT INTO cargo (cacod, cadesc, cacomissaovenda) VALUES (5, 'VENDEDOR JÚNIOR', 2.50);

INSERT INTO funcionario (fucod, funome, fkcargo, fuinativo) VALUES (1, 'CARLOS ANDRADE', 1, 0);
INSERT INTO funcionario (fucod, funome, fkcargo, fuinativo) VALUES (2, 'MARIA CONCEIÇÃO ARAÚJO', 5, 0);
INSERT INTO funcionario (fucod, funome, fkcargo, fuinativo) VALUES (3, 'PEDRO D''ALMEIDA', 1, 0);
INSERT INTO funcionario (fucod, funome, fkcargo, fuinativo) VALUES (4, 'RAFAEL SOUZA LIMA', 3, 0);
INSERT INTO funcionario (fucod, funome, fkcargo, fuinativo) VALUES (5, 'ROBERTO MENDONÇA', 2, 0);
INSERT INTO funcionario (fucod, funome, fkcargo, fuinativo) VALUES (6, 'LUCAS FERREIRA', 1, 1);
INSERT INTO funcionario (fucod, funome, fkcargo, fuinativo) VALUES (7, 'ANA PAULA NOGUEIRA', 4, 0);
INSERT INTO funcionario (fucod, funome, fkcargo, fuinativo) VALUES (8, 'SÉRGIO TAVARES', NULL, 0);

INSERT INTO formapagamento (fpcod, fpdesc) VALUES (1, 'DINHEIRO');
INSERT INTO formapagamento (fpcod, fpdesc) VALUES (2, 'CARTÃO DE CRÉDITO 3X');
INSERT INTO formapagamento (fpcod, fpdesc) VALUES (3, 'BOLETO 30/60/90 DIAS');
INSERT INTO formapagamento (fpcod, fpdesc) VALUES (4, 'PIX');

INSERT INTO tipomovimento (tmcod, tmdesc, tmcomissao) VALUES (1, 'PEDIDO DE VENDA', 'SIM');
INSERT INTO tipomovimento (tmcod, tmdesc, tmcomissao) VALUES (2, 'ORÇAMENTO', 'NAO');
INSERT INTO tipomovimento (tmcod, tmdesc, tmcomissao) VALUES (3, 'VENDA BALCÃO', 'SIM');
INSERT INTO tipomovimento (tmcod, tmdesc, tmcomissao) VALUES (4, 'BONIFICAÇÃO', 'NAO');
INSERT INTO tipomovimento (tmcod, tmdesc, tmcomissao) VALUES (5, 'SAÍDA PARA CONSUMO INTERNO', 'NAO');
INSERT INTO tipomovimento (tmcod, tmdesc, tmcomissao) VALUES (6, 'PRODUÇÃO', 'NAO');

INSERT INTO tiporecebimento (trcod, trdesc) VALUES (1, 'DINHEIRO');
INSERT INTO tiporecebimento (trcod, trdesc) VALUES (2, 'CARTÃO DE CRÉDITO');
INSERT INTO tiporecebimento (trcod, trdesc) VALUES (3, 'BOLETO BANCÁRIO');
INSERT INTO tiporecebimento (trcod, trdesc) VALUES (4, 'PIX');

INSERT INTO centrocusto (cccod, ccdesc) VALUES (1, 'MANUTENÇÃO');
INSERT INTO centrocusto (cccod, ccdesc) VALUES (2, 'ADMINISTRATIVO');

INSERT INTO objeto (obcod, obdesc) VALUES (1, 'AR-CONDICIONADO SPLIT 12000 BTUS');
INSERT INTO objeto (obcod, obdesc) VALUES (2, 'CÂMARA FRIA 3 X 3 M');
INSERT INTO objeto (obcod, obdesc) VALUES (3, 'BEBEDOURO INDUSTRIAL 100 L');

INSERT INTO situacao (sicod, sidesc) VALUES (1, 'ABERTA');
INSERT INTO situacao (sicod, sidesc) VALUES (2, 'EM ANDAMENTO');
INSERT INTO situacao (sicod, sidesc) VALUES (3, 'CONCLUÍDA');

INSERT INTO tipoos (ticod, tidesc) VALUES (1, 'INSTALAÇÃO');
INSERT INTO tipoos (ticod, tidesc) VALUES (2, 'MANUTENÇÃO CORRETIVA');
INSERT INTO tipoos (ticod, tidesc) VALUES (3, 'VISITA TÉCNICA');

-- ---------------------------------------------------------------- parties
-- Types: 1 customer, 2 supplier, 3 referrer, 5 the store.

INSERT INTO interveniente (incod, fktipointerveniente, innome, inapelido, incpf, incnpj, ininscricao, infone,
    inendereco, innumero, incomplemento, inbairro, inmunicipio, inuf, incep)
VALUES (1, 5, 'BRISA NORTE CLIMATIZAÇÃO E REFRIGERAÇÃO LTDA', 'BRISA NORTE', '___.___.___-__', '12.345.678/0001-90',
    '111.222.333.444', '(11) 3456-7890',
    'RUA DAS PALMEIRAS', '1200', NULL, 'CENTRO', 'SÃO PAULO', 'SP', '01226-010');

-- Store header (CB) and footer (RP) lines of the counter receipt: CB1 has 54
-- characters, CB3 has 64 once trimmed (cut to 56), RP2 carries blanks around
-- it, RP3 is empty.
INSERT INTO param (parcod, fkincod, cb1, cb2, cb3, rp1, rp2, rp3)
VALUES (1, 1,
    'BRISA NORTE CLIMATIZAÇÃO E REFRIGERAÇÃO - LOJA CENTRAL',
    'RUA DAS PALMEIRAS, 1200 - CENTRO - SÃO PAULO/SP',
    '  CNPJ 12.345.678/0001-90  IE 111.222.333.444  FONE (11) 3456-7890  ',
    'OBRIGADO PELA PREFERÊNCIA!',
    '   TROCAS SOMENTE COM ESTE CUPOM EM ATÉ 30 DIAS   ',
    NULL);

-- A person (CPF) with an apostrophe in the name, every address block filled.
INSERT INTO interveniente (incod, fktipointerveniente, innome, inapelido, incontato, incpf, incnpj, inrg, ininscricao,
    datanascimento, entrega, infone, infax, incelular,
    inendereco, innumero, incomplemento, inbairro, inmunicipio, inuf, incep,
    inendereco2, innumero2, incomplemento2, inbairro2, inmunicipio2, inuf2, incep2,
    inenendereco, inennumero, inencomplemento, inenbairro, inenmunicipio, inenuf, inencep,
    inenreferencia, inenzona, inenhrinicial, inenhrfinal, inensemana,
    fkgcompra, inrepresentante, inindicacao)
VALUES (10, 1, 'JOSÉ D''ÁVILA', 'ZÉ D''ÁVILA', 'JOSÉ', '123.456.789-09', '__.___.___/____-__', '12.345.678-9', 'ISENTO',
    '1975-08-21', 'ENTREGAR', '(11) 3222-1100', '(11) 3222-1101', '(11) 98765-4321',
    'AVENIDA BRIGADEIRO LUÍS ANTÔNIO', '1500', 'APTO 42 BLOCO B', 'BELA VISTA', 'SÃO PAULO', 'SP', '01318-002',
    'RUA TREZE DE MAIO', '300', 'SALA 5', 'BELA VISTA', 'SÃO PAULO', 'SP', '01327-000',
    'RUA ITAPEVA', '85', 'CASA DOS FUNDOS', 'BELA VISTA', 'SÃO PAULO', 'SP', '01332-000',
    'PRÓXIMO À PADARIA SANTA TEREZINHA, PORTÃO AZUL DE GARAGEM. TOCAR O INTERFONE 2 E AGUARDAR; O PORTEIRO SÓ LIBERA A ENTRADA DE TÉCNICOS COM DOCUMENTO COM FOTO E ORDEM DE SERVIÇO IMPRESSA.',
    'ZONA CENTRAL', '08:00', '12:00', 'SEGUNDA A SEXTA',
    1, 5, 40);

-- A company (CNPJ) whose CPF holds the empty mask; its referrer's code is above 32767.
INSERT INTO interveniente (incod, fktipointerveniente, innome, inapelido, incontato, incpf, incnpj, ininscricao,
    infone, incelular,
    inendereco, innumero, incomplemento, inbairro, inmunicipio, inuf, incep,
    inenendereco, inennumero, inencomplemento, inenbairro, inenmunicipio, inenuf, inencep,
    inenhrinicial, inenhrfinal, inensemana,
    fkgcompra, inrepresentante, inindicacao)
VALUES (11, 1, 'MERCADINHO SÃO JOÃO LTDA', 'MERCADINHO S. JOÃO', 'SR. JOÃO BATISTA', '___.___.___-__', '23.456.789/0001-01', '062.307.904/0081',
    '(31) 3333-4444', '(31) 99876-5432',
    'RUA DA BAHIA', '820', 'LOJA 1', 'CENTRO', 'BELO HORIZONTE', 'MG', '30160-011',
    'RUA DA BAHIA', '820', 'LOJA 1', 'CENTRO', 'BELO HORIZONTE', 'MG', '30160-011',
    '07:00', '11:00', 'TERÇA E QUINTA',
    2, 5, 40000);

-- Both CPF and CNPJ filled.
INSERT INTO interveniente (incod, fktipointerveniente, innome, inapelido, incontato, incpf, incnpj, inrg, ininscricao,
    datanascimento, infone, incelular,
    inendereco, innumero, inbairro, inmunicipio, inuf, incep,
    inenendereco, inennumero, inenbairro, inenmunicipio, inenuf, inencep,
    fkgcompra, inrepresentante, inindicacao)
VALUES (12, 1, 'MARIA DAS GRAÇAS FERREIRA', 'GRAÇA MEI', 'GRAÇA', '987.654.321-00', '34.567.890/0001-12', '21.987.654-3', 'ISENTO',
    '1982-02-10', '(21) 2555-0101', '(21) 99555-0101',
    'RUA VOLUNTÁRIOS DA PÁTRIA', '45', 'BOTAFOGO', 'RIO DE JANEIRO', 'RJ', '22270-000',
    'RUA VOLUNTÁRIOS DA PÁTRIA', '45', 'BOTAFOGO', 'RIO DE JANEIRO', 'RJ', '22270-000',
    1, NULL, 40);

-- Both document masks empty, no short name.
INSERT INTO interveniente (incod, fktipointerveniente, innome, incpf, incnpj,
    datanascimento, infone,
    inendereco, innumero, inbairro, inmunicipio, inuf, incep,
    inenendereco, inennumero, inenbairro, inenmunicipio, inenuf, inencep,
    fkgcompra, inrepresentante, inindicacao)
VALUES (13, 1, 'FRANCISCO ASSIS ROCHA', '___.___.___-__', '__.___.___/____-__',
    '1968-11-30', '(41) 3232-7788',
    'RUA XV DE NOVEMBRO', '700', 'CENTRO', 'CURITIBA', 'PR', '80020-310',
    'RUA XV DE NOVEMBRO', '700', 'CENTRO', 'CURITIBA', 'PR', '80020-310',
    1, 5, NULL);

-- A 63-character name, no birth date, CPF mask and a CNPJ.
INSERT INTO interveniente (incod, fktipointerveniente, innome, inapelido, incontato, incpf, incnpj, ininscricao,
    infone, incelular,
    inendereco, innumero, inbairro, inmunicipio, inuf, incep,
    inenendereco, inennumero, inenbairro, inenmunicipio, inenuf, inencep, inenreferencia,
    fkgcompra)
VALUES (14, 1, 'ASSOCIAÇÃO DOS MORADORES DO CONJUNTO HABITACIONAL SÃO CRISTÓVÃO', 'ASSOC. SÃO CRISTÓVÃO', 'SR. ARMANDO (SÍNDICO)',
    '___.___.___-__', '45.678.901/0001-23', 'ISENTO',
    '(11) 2408-3300', '(11) 97777-3300',
    'RUA CAPITÃO GABRIEL', '12', 'VILA SÃO JOÃO', 'GUARULHOS', 'SP', '07041-000',
    'RUA CAPITÃO GABRIEL', '12', 'VILA SÃO JOÃO', 'GUARULHOS', 'SP', '07041-000', 'BLOCO C, SUBSOLO',
    2);

-- Only a delivery address: the main address is empty.
INSERT INTO interveniente (incod, fktipointerveniente, innome, incontato, incpf, incnpj, infone, incelular,
    inendereco, innumero, incomplemento, inbairro, inmunicipio, inuf, incep,
    inenendereco, inennumero, inencomplemento, inenbairro, inenmunicipio, inenuf, inencep, inenreferencia,
    fkgcompra)
VALUES (15, 1, 'LÚCIA HELENA PRADO', 'LÚCIA', '111.444.777-35', '__.___.___/____-__', '(31) 3261-4040', '(31) 98888-4040',
    '', '', '', '', '', '', '',
    'RUA DOS INCONFIDENTES', '233', 'CASA 2', 'SAVASSI', 'BELO HORIZONTE', 'MG', '30140-120', 'EM FRENTE À PRAÇA',
    1);

-- No purchase group: the order text refuses it.
INSERT INTO interveniente (incod, fktipointerveniente, innome, incpf, incnpj, infone,
    inendereco, innumero, inbairro, inmunicipio, inuf, incep, fkgcompra)
VALUES (16, 1, 'OFICINA BOA VIAGEM ME', '___.___.___-__', '56.789.012/0001-34', '(11) 4123-9090',
    'RUA BOA VIAGEM', '77', 'JARDIM DO MAR', 'SÃO BERNARDO DO CAMPO', 'SP', '09750-000', NULL);

-- No state: no icms row.
INSERT INTO interveniente (incod, fktipointerveniente, innome, incpf, incnpj, infone,
    inendereco, innumero, inbairro, inmunicipio, inuf, incep, fkgcompra)
VALUES (17, 1, 'JOÃO SEM ESTADO DA SILVA', '222.333.444-05', '__.___.___/____-__', '(11) 5555-1234',
    'RUA SEM NOME', 'S/N', 'ZONA RURAL', 'SÃO PAULO', '', '', 1);

-- Suppliers.
INSERT INTO interveniente (incod, fktipointerveniente, innome, inapelido, incpf, incnpj, ininscricao, infone,
    inendereco, innumero, inbairro, inmunicipio, inuf, incep)
VALUES (30, 2, 'DISTRIBUIDORA FRIO SUL LTDA', 'FRIO SUL', '___.___.___-__', '67.890.123/0001-45', '096/1234567', '(51) 3030-2020',
    'AVENIDA ASSIS BRASIL', '4500', 'SÃO SEBASTIÃO', 'PORTO ALEGRE', 'RS', '91010-004');
INSERT INTO interveniente (incod, fktipointerveniente, innome, inapelido, incpf, incnpj, ininscricao, infone,
    inendereco, innumero, inbairro, inmunicipio, inuf, incep)
VALUES (31, 2, 'METAIS & COBRE PAULISTA S.A.', 'COBRE PAULISTA', '___.___.___-__', '78.901.234/0001-56', '123.456.789.012', '(11) 2020-3030',
    'RUA DO GASÔMETRO', '410', 'BRÁS', 'SÃO PAULO', 'SP', '03004-000');

-- Referrers.
INSERT INTO interveniente (incod, fktipointerveniente, innome, incpf, incnpj, infone)
VALUES (40, 3, 'ANTÔNIO CARLOS INDICAÇÕES', '333.444.555-60', '__.___.___/____-__', '(11) 94444-5555');
INSERT INTO interveniente (incod, fktipointerveniente, innome, incpf, incnpj, infone)
VALUES (40000, 3, 'BEATRIZ ÁLVARES MENDES', '444.555.666-71', '__.___.___/____-__', '(11) 93333-6666');

-- ---------------------------------------------------------------- products

INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (1, 'AR-CONDICIONADO SPLIT 9000 BTUS SÓ FRIO 220V', '7891234500017', 'SPL-9000F', 'UN', 1450.0000, 1899.00, 38.500, '84151011', '000', NULL);
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (2, 'AR-CONDICIONADO SPLIT 12000 BTUS INVERTER QUENTE/FRIO 220V', '7891234500024', 'SPL-12000I', 'UN', 1790.0000, 2479.00, 42.000, '84151011', '000', NULL);
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (3, 'TUBO DE COBRE 1/4 POLEGADA', '200003', 'TC-14', 'M', 12.4000, 18.50, 0.150, '74111010', '060', 'CORTAR EM BARRAS DE 2,5 M');
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (4, 'TUBO DE COBRE 3/8 POLEGADA', '200004', 'TC-38', 'M', 16.9000, 24.90, 0.220, '74111010', '060', 'CORTAR EM BARRAS DE 2,5 M');
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (5, 'ESPUMA ELASTOMÉRICA 3/8 X 2 M', '200005', 'ESP-38', 'PC', 3.8750, 7.40, 0.080, '40169990', '000', 'UMA POR BARRA DE TUBO');
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (6, 'SUPORTE PARA CONDENSADORA 450 MM', '200006', 'SUP-450', 'PAR', 28.0000, 50.00, 3.200, '73269090', '000', 'COM PARAFUSOS E BUCHAS');
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (7, 'CABO PP 3 X 2,5 MM² (METRO)', '200007', 'CB-325', 'M', 5.1000, 10.00, 0.120, '85444900', '000', NULL);
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (8, 'GÁS REFRIGERANTE R-410A CILINDRO 11,34 KG', '78912345000864', 'R410A', 'UN', 480.0000, 689.00, 13.000, '29034900', '010', NULL);
-- A 20-character bar code.
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (9, 'CONTROLE REMOTO UNIVERSAL PARA AR-CONDICIONADO', '78912345000930012345', 'CR-UNIV', 'UN', 32.0000, 60.00, 0.150, '85437099', '000', NULL);
-- No bar code, only the shop's reference.
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (10, 'BOMBA DE DRENO COMPACTA 12 L/H', '', 'REF-DRENO', 'UN', 95.0000, 150.00, 0.400, '84137090', '000', NULL);
-- Neither bar code nor reference, no weight.
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (11, 'SERVIÇO DE LIMPEZA E HIGIENIZAÇÃO', NULL, NULL, 'UN', 0.0000, 150.00, 0.000, NULL, NULL, NULL);
-- Names of 84 and 123 characters.
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (12, 'CONDENSADORA PARA SPLIT 18000 BTUS COM SERPENTINA DE COBRE E TRATAMENTO ANTICORROSÃO', '7891234500123', 'COND-18000', 'UN', 1100.0000, 1650.00, 35.000, '84159010', '000', NULL);
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (13, 'KIT COMPLETO DE INSTALAÇÃO PARA AR-CONDICIONADO SPLIT HI-WALL COM TUBULAÇÃO DE COBRE, ISOLAMENTO TÉRMICO, CABO PP E SUPORTE', '7891234500130', 'KIT-INST-HW', 'KIT', 150.0000, 259.90, 6.500, '84159090', '000', NULL);
-- Label names of 36, 37, 72 and 90 characters.
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (14, 'FILTRO DE AR LAVÁVEL PARA SPLIT 9000', '7891234500147', 'FLT-9000', 'UN', 9.0000, 19.90, 0.050, '84219999', '000', NULL);
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (15, 'FILTRO DE AR LAVÁVEL PARA SPLIT 12000', '7891234500154', 'FLT-12000', 'UN', 11.0000, 24.90, 0.060, '84219999', '000', NULL);
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (16, 'TERMOSTATO DIGITAL PARA CÂMARA FRIA COM SENSOR DE DEGELO E ALARME SONORO', '7891234500161', 'TERM-DIG', 'UN', 110.0000, 189.00, 0.300, '90321010', '000', NULL);
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (17, 'VENTILADOR AXIAL PARA CONDENSADORA 220V 1/10 CV COM GRADE DE PROTEÇÃO E SUPORTE DE FIXAÇÃO', '7891234500178', 'VENT-AX', 'UN', 210.0000, 349.00, 2.800, '84145990', '000', NULL);
-- Made in the shop: kit, assembled unit, welded bracket.
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (60, 'KIT INSTALAÇÃO SPLIT 9000 BTUS', '7891234500604', 'KIT-9000', 'KIT', 120.0000, 229.00, 5.000, '84159090', '000', 'MONTAR E EMBALAR EM CAIXA ÚNICA');
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (61, 'EVAPORADORA MONTADA 12000 BTUS', '7891234500611', 'EVP-12000', 'UN', 800.0000, 1200.00, 12.000, '84159010', '000', 'TESTAR VAZAMENTO ANTES DE EMBALAR');
INSERT INTO produto (prcod, prnome, prbarra, probs, prunientrada, prcusto, prpreco, prbru, prclass, prcst, obsproducao)
VALUES (62, 'SUPORTE REFORÇADO SOLDADO 600 MM', '7891234500628', 'SUP-600', 'PAR', 45.0000, 90.00, 4.500, '73269090', '000', NULL);

-- The kit of product 60, inserted out of order (the sheet sorts by kitordem).
INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (1, 60, 6, 1.000, 3);
INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (2, 60, 3, 5.000, 1);
INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (3, 60, 5, 3.000, 4);
INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (4, 60, 4, 5.000, 2);
INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (5, 60, 7, 8.000, 5);

-- Price tables 1 and 2.
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (1, 1, 1899.00);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (1, 2, 2479.00);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (1, 3, 18.50);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (1, 4, 24.90);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (1, 5, 7.40);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (1, 6, 50.00);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (1, 7, 10.00);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (1, 8, 689.00);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (1, 9, 60.00);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (1, 12, 1650.00);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (2, 1, 1799.00);
INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (2, 2, 2349.00);

-- ---------------------------------------------------------------- sales
-- status 'A' is an open sale, 'C' a cancelled one (the commission queries
-- test status <> 'C', which a null status would fail).

-- Sale 1: order of JOSÉ D'ÁVILA; discount 10 % on 200,00, IPI 12,00, freight 15,00,
-- remarks of 131 characters, three instalments.
INSERT INTO saida (sacod, datasaida, dataentrega, saentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri,
    total, savrtotal, sadesconto, valoripi, valoricmss, vrfrete, savrtroca, savrpago, sanf, saobs, status)
VALUES (1, '2024-01-15', '2024-01-20', 'ENTREGAR', 10, 1, 3, 1, 'CARLOS.A',
    200.00, 200.00, 10.00, 12.00, 0.00, 15.00, 0.00, 207.00, 'OC-4471',
    'ENTREGAR NO PERÍODO DA MANHÃ. O CLIENTE PEDE QUE O TÉCNICO LIGUE ANTES DE SAIR. INSTALAÇÃO NO 2º ANDAR, ACESSO PELA ESCADA LATERAL.', 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (1001, 1, 6, 'SUPORTE PARA CONDENSADORA 450 MM', 'PAR', 2.000, 50.00, 100.00, 10.00, 0.00, '0', 'ENTREGA', 0.00, 'INSTALAR NA FACHADA LESTE');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (1002, 1, 9, 'CONTROLE REMOTO UNIVERSAL PARA AR-CONDICIONADO', 'UN', 1.000, 60.00, 60.00, 0.00, 0.00, '1', 'ENTREGA', 0.00, NULL);
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (1003, 1, 7, 'CABO PP 3 X 2,5 MM² (METRO)', 'M', 4.000, 10.00, 40.00, 5.00, 0.00, '0', 'ENTREGA', 0.00, NULL);

-- Sale 2: 40 items (several pages), remarks of 635 characters, zero discount.
INSERT INTO saida (sacod, datasaida, dataentrega, saentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri,
    total, savrtotal, sadesconto, valoripi, valoricmss, vrfrete, savrtroca, savrpago, sanf, saobs, status)
VALUES (2, '2024-01-16', '2024-01-25', 'RETIRA NA LOJA', 11, 2, 2, 1, 'MARIA.C',
    0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 'PC-2024/118',
    'PEDIDO PARA A REDE DE LOJAS DO CLIENTE. OS APARELHOS SERÃO RETIRADOS NA LOJA PELO PRÓPRIO CLIENTE EM DUAS ETAPAS: A PRIMEIRA NO DIA 25/01 E A SEGUNDA ATÉ O FIM DO MÊS. CONFERIR CADA VOLUME NA PRESENÇA DO MOTORISTA E ANOTAR NO CANHOTO QUALQUER AVARIA DE EMBALAGEM. A GARANTIA DE FÁBRICA SÓ VALE COM INSTALAÇÃO FEITA POR TÉCNICO CREDENCIADO; A LOJA OFERECE A INSTALAÇÃO COM DESCONTO DE 10% PARA ESTE PEDIDO. O PAGAMENTO FOI APROVADO NO CARTÃO EM TRÊS PARCELAS SEM JUROS. EM CASO DE DÚVIDA FALAR COM MARIA CONCEIÇÃO, RAMAL 214. NÃO ACEITAR DEVOLUÇÃO SEM NOTA FISCAL E SEM A EMBALAGEM ORIGINAL. FIM DO TEXTO QUE NÃO CABE NAS QUATRO LINHAS.', 'A');

-- Sale 3: counter sale of 30 items, null discount.
INSERT INTO saida (sacod, datasaida, dataentrega, saentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri,
    total, savrtotal, sadesconto, valoripi, valoricmss, vrfrete, savrtroca, savrpago, sanf, saobs, status)
VALUES (3, '2024-01-17', NULL, NULL, 12, 1, 1, 3, 'CAIXA01',
    0.00, 0.00, NULL, 0.00, 0.00, 0.00, 0.00, 0.00, NULL, NULL, 'A');

SET TERM ^ ;
-- Lines of sales 2 (40 lines over products 1 to 8) and 3 (30 lines over products 1 to 13).
EXECUTE BLOCK AS
    DECLARE n INTEGER;
    DECLARE p INTEGER;
    DECLARE q NUMERIC(15,3);
BEGIN
    n = 1;
    WHILE (n <= 40) DO
    BEGIN
        p = 1 + MOD(n - 1, 8);
        q = 1 + MOD(n, 3);
        INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
        SELECT 2000 + :n, 2, prcod, prnome, prunientrada, :q, prpreco, :q * prpreco, 0.00, 0.00, '0', 'RETIRA', 0.00, NULL
        FROM produto WHERE prcod = :p;
        n = n + 1;
    END
    n = 1;
    WHILE (n <= 30) DO
    BEGIN
        p = 1 + MOD(n - 1, 13);
        q = 1 + MOD(n, 2);
        INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
        SELECT 3000 + :n, 3, prcod, prnome, prunientrada, :q, prpreco, :q * prpreco, 0.00, 0.00, IIF(MOD(:n, 7) = 0, '1', '0'), 'RETIRA', 0.00, NULL
        FROM produto WHERE prcod = :p;
        n = n + 1;
    END
END^
SET TERM ; ^

UPDATE saida SET total = (SELECT SUM(itvrtotal) FROM itemsaida WHERE itfksacod = 2) WHERE sacod = 2;
UPDATE saida SET total = (SELECT SUM(itvrtotal) FROM itemsaida WHERE itfksacod = 3) WHERE sacod = 3;
UPDATE saida SET savrtotal = total, savrpago = total WHERE sacod IN (2, 3);

-- Sale 4: counter sale with an exchange. Lines: a 20-character bar code with the
-- promotion mark, names of 84, 123 and 58 characters, a remark, a product with only
-- its reference and one with neither bar code nor reference.
INSERT INTO saida (sacod, datasaida, dataentrega, saentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri,
    total, savrtotal, sadesconto, valoripi, valoricmss, vrfrete, savrtroca, savrpago, sanf, saobs, status)
VALUES (4, '2024-01-18', NULL, 'RETIRA', 13, 2, 1, 3, 'CAIXA01',
    5008.80, 5008.80, 2.00, 0.00, 0.00, 0.00, 70.30, 4908.62, NULL, 'TROCA DE ESPUMA E TUBO COMPRADOS A MAIS NO PEDIDO ANTERIOR.', 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (4001, 4, 9, 'CONTROLE REMOTO UNIVERSAL PARA AR-CONDICIONADO', 'UN', 1.000, 60.00, 60.00, 0.00, 0.00, '1', 'RETIRA', 0.00, NULL);
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (4002, 4, 12, 'CONDENSADORA PARA SPLIT 18000 BTUS COM SERPENTINA DE COBRE E TRATAMENTO ANTICORROSÃO', 'UN', 1.000, 1650.00, 1650.00, 0.00, 0.00, '0', 'RETIRA', 0.00, 'COR BRANCA - ENTREGAR NA PORTARIA DO PRÉDIO');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (4003, 4, 13, 'KIT COMPLETO DE INSTALAÇÃO PARA AR-CONDICIONADO SPLIT HI-WALL COM TUBULAÇÃO DE COBRE, ISOLAMENTO TÉRMICO, CABO PP E SUPORTE', 'KIT', 2.000, 259.90, 519.80, 0.00, 0.00, '0', 'RETIRA', 0.00, NULL);
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (4004, 4, 10, 'BOMBA DE DRENO COMPACTA 12 L/H', 'UN', 1.000, 150.00, 150.00, 0.00, 0.00, '0', 'RETIRA', 0.00, NULL);
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (4005, 4, 11, 'SERVIÇO DE LIMPEZA E HIGIENIZAÇÃO', 'UN', 1.000, 150.00, 150.00, 0.00, 0.00, '0', 'RETIRA', 0.00, '   AGENDAR COM O CLIENTE   ');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (4006, 4, 2, 'AR-CONDICIONADO SPLIT 12000 BTUS INVERTER QUENTE/FRIO 220V', 'UN', 1.000, 2479.00, 2479.00, 0.00, 0.00, '0', 'RETIRA', 0.00, NULL);
INSERT INTO itemsaida_troca (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (4101, 4, 5, 'ESPUMA ELASTOMÉRICA 3/8 X 2 M', 'PC', 2.000, 7.40, 14.80, 0.00, '1', 'RETIRA', 0.00, NULL);
INSERT INTO itemsaida_troca (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (4102, 4, 3, 'TUBO DE COBRE 1/4 POLEGADA', 'M', 3.000, 18.50, 55.50, 0.00, '0', 'RETIRA', 0.00, 'SOBRA DE OBRA');

-- Sale 5: order of the 63-character customer (no birth date, CNPJ only); a
-- 14-character bar code, IPI 0 and 5 %, fractional quantity; no payments.
INSERT INTO saida (sacod, datasaida, dataentrega, saentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri,
    total, savrtotal, sadesconto, valoripi, valoricmss, vrfrete, savrtroca, savrpago, sanf, saobs, status)
VALUES (5, '2024-01-19', NULL, NULL, 14, 3, 4, 1, 'PEDRO.D',
    883.25, 883.25, 0.00, 34.45, 0.00, 0.00, 0.00, 917.70, NULL, NULL, 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (5001, 5, 3, 'TUBO DE COBRE 1/4 POLEGADA', 'M', 10.500, 18.50, 194.25, 0.00, 0.00, '0', 'ENTREGA', 0.00, NULL);
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (5002, 5, 8, 'GÁS REFRIGERANTE R-410A CILINDRO 11,34 KG', 'UN', 1.000, 689.00, 689.00, 5.00, 0.00, '0', 'ENTREGA', 0.00, NULL);

-- Sale 6: a quotation without items.
INSERT INTO saida (sacod, datasaida, dataentrega, saentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri,
    total, savrtotal, sadesconto, valoripi, valoricmss, vrfrete, savrtroca, savrpago, sanf, saobs, status)
VALUES (6, '2024-01-22', NULL, NULL, 10, 1, 1, 2, 'CARLOS.A',
    0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, NULL, 'ORÇAMENTO AGUARDANDO APROVAÇÃO DO CLIENTE.', 'A');

-- Sales 7 to 11: order labels with quantities 1,1,1 / 2,2 / 4 / 2.5 / 0,-1,null,1.
INSERT INTO saida (sacod, datasaida, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, savrtroca, savrpago, status)
VALUES (7, '2024-01-23', 10, 1, 1, 1, 'CARLOS.A', 233.80, 233.80, 0.00, 0.00, 233.80, 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (7001, 7, 14, 'FILTRO DE AR LAVÁVEL PARA SPLIT 9000', 'UN', 1.000, 19.90, 19.90, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (7002, 7, 15, 'FILTRO DE AR LAVÁVEL PARA SPLIT 12000', 'UN', 1.000, 24.90, 24.90, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (7003, 7, 16, 'TERMOSTATO DIGITAL PARA CÂMARA FRIA COM SENSOR DE DEGELO E ALARME SONORO', 'UN', 1.000, 189.00, 189.00, 0.00, 0.00, '0');

INSERT INTO saida (sacod, datasaida, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, savrtroca, savrpago, status)
VALUES (8, '2024-01-23', 10, 1, 1, 1, 'CARLOS.A', 4496.00, 4496.00, 0.00, 0.00, 4496.00, 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (8001, 8, 17, 'VENTILADOR AXIAL PARA CONDENSADORA 220V 1/10 CV COM GRADE DE PROTEÇÃO E SUPORTE DE FIXAÇÃO', 'UN', 2.000, 349.00, 698.00, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (8002, 8, 1, 'AR-CONDICIONADO SPLIT 9000 BTUS SÓ FRIO 220V', 'UN', 2.000, 1899.00, 3798.00, 0.00, 0.00, '0');

INSERT INTO saida (sacod, datasaida, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, savrtroca, savrpago, status)
VALUES (9, '2024-01-23', 10, 1, 1, 1, 'CARLOS.A', 4938.00, 4938.00, 0.00, 0.00, 4938.00, 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (9001, 9, 2, 'AR-CONDICIONADO SPLIT 12000 BTUS INVERTER QUENTE/FRIO 220V', 'UN', 4.000, 1234.50, 4938.00, 0.00, 0.00, '0');

INSERT INTO saida (sacod, datasaida, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, savrtroca, savrpago, status)
VALUES (10, '2024-01-23', 10, 1, 1, 1, 'CARLOS.A', 46.25, 46.25, 0.00, 0.00, 46.25, 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (10001, 10, 3, 'TUBO DE COBRE 1/4 POLEGADA', 'M', 2.500, 18.50, 46.25, 0.00, 0.00, '0');

INSERT INTO saida (sacod, datasaida, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, savrtroca, savrpago, status)
VALUES (11, '2024-01-23', 10, 1, 1, 1, 'CARLOS.A', 2.60, 2.60, 0.00, 0.00, 2.60, 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (11001, 11, 4, 'TUBO DE COBRE 3/8 POLEGADA', 'M', 0.000, 24.90, 0.00, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (11002, 11, 5, 'ESPUMA ELASTOMÉRICA 3/8 X 2 M', 'PC', -1.000, 7.40, -7.40, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (11003, 11, 6, 'SUPORTE PARA CONDENSADORA 450 MM', 'PAR', NULL, 50.00, NULL, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (11004, 11, 7, 'CABO PP 3 X 2,5 MM² (METRO)', 'M', 1.000, 10.00, 10.00, 0.00, 0.00, '0');

-- Sale 12: customer without purchase group. Sale 13: customer without state.
INSERT INTO saida (sacod, datasaida, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, savrtroca, savrpago, status)
VALUES (12, '2024-01-24', 16, 1, 1, 1, 'CARLOS.A', 50.00, 50.00, 0.00, 0.00, 50.00, 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (12001, 12, 7, 'CABO PP 3 X 2,5 MM² (METRO)', 'M', 5.000, 10.00, 50.00, 0.00, 0.00, '0');
INSERT INTO saida (sacod, datasaida, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, savrtroca, savrpago, status)
VALUES (13, '2024-01-24', 17, 1, 1, 1, 'CARLOS.A', 14.80, 14.80, 0.00, 0.00, 14.80, 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (13001, 13, 5, 'ESPUMA ELASTOMÉRICA 3/8 X 2 M', 'PC', 2.000, 7.40, 14.80, 0.00, 0.00, '0');

-- ------------------------------------------------------- commission sales
-- February: sale 20 only (seller 1, paid 1000,00, ICMS-ST 100,00, 5 %).
-- March: sales 21-23 (seller 1), 24 (seller 2), 25 (movement without
-- commission), 26 (invoice without name and number), 27/29/30 cancelled on
-- 15/03, 31/03 and 04/03. April: sale 28 (seller 3). January: sale 31 has
-- items whose ICMS-ST is null.

INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (20, '2024-02-14', '2024-02-16', 10, 1, 1, 1, 'CARLOS.A', 1000.00, 1000.00, 0.00, 100.00, 0.00, 1000.00, 'A', NULL);
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (21, '2024-03-04', NULL, 11, 1, 3, 1, 'CARLOS.A', 500.00, 500.00, 0.00, 0.00, 0.00, 500.00, 'A', NULL);
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (22, '2024-03-07', NULL, 13, 1, 1, 1, 'CARLOS.A', 300.00, 300.00, 0.00, 20.00, 0.00, 300.00, 'A', NULL);
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (23, '2024-03-11', NULL, 10, 1, 4, 1, 'CARLOS.A', 200.00, 200.00, 0.00, 0.00, 0.00, 200.00, 'A', NULL);
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (24, '2024-03-14', NULL, 12, 2, 2, 1, 'MARIA.C', 1500.00, 1500.00, 0.00, 265.50, 0.00, 1500.00, 'A', NULL);
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (25, '2024-03-18', NULL, 11, 1, 1, 4, 'CARLOS.A', 74.00, 74.00, 0.00, 0.00, 0.00, 74.00, 'A', NULL);
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (26, '2024-03-20', NULL, 10, 3, 1, 1, 'PEDRO.D', 150.00, 150.00, 0.00, 0.00, 0.00, 150.00, 'A', NULL);
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (27, '2024-03-05', NULL, 10, 1, 1, 1, 'CARLOS.A', 400.00, 400.00, 0.00, 0.00, 0.00, 400.00, 'C', '2024-03-15');
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (28, '2024-04-10', NULL, 12, 3, 3, 1, 'PEDRO.D', 24790.00, 24790.00, 0.00, 100.00, 0.00, 24790.00, 'A', NULL);
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (29, '2024-03-22', NULL, 11, 2, 1, 1, 'MARIA.C', 250.00, 250.00, 0.00, 0.00, 0.00, 250.00, 'C', '2024-03-31');
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (30, '2024-03-01', NULL, 13, 3, 1, 1, 'PEDRO.D', 200.00, 200.00, 0.00, 0.00, 0.00, 200.00, 'C', '2024-03-04');
INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri, total, savrtotal, sadesconto, valoricmss, savrtroca, savrpago, status, sadtcancelamento)
VALUES (31, '2024-01-25', NULL, 13, 1, 1, 1, 'CARLOS.A', 74.00, 74.00, 0.00, NULL, 0.00, 74.00, 'A', NULL);

INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (20001, 20, 2, 'AR-CONDICIONADO SPLIT 12000 BTUS INVERTER QUENTE/FRIO 220V', 'UN', 1.000, 700.00, 700.00, 0.00, 70.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (20002, 20, 6, 'SUPORTE PARA CONDENSADORA 450 MM', 'PAR', 6.000, 50.00, 300.00, 0.00, 30.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (21001, 21, 3, 'TUBO DE COBRE 1/4 POLEGADA', 'M', 20.000, 25.00, 500.00, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (22001, 22, 7, 'CABO PP 3 X 2,5 MM² (METRO)', 'M', 30.000, 10.00, 300.00, 0.00, 20.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (23001, 23, 4, 'TUBO DE COBRE 3/8 POLEGADA', 'M', 8.000, 25.00, 200.00, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (24001, 24, 2, 'AR-CONDICIONADO SPLIT 12000 BTUS INVERTER QUENTE/FRIO 220V', 'UN', 1.000, 1500.00, 1500.00, 0.00, 265.50, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (25001, 25, 5, 'ESPUMA ELASTOMÉRICA 3/8 X 2 M', 'PC', 10.000, 7.40, 74.00, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (26001, 26, 6, 'SUPORTE PARA CONDENSADORA 450 MM', 'PAR', 3.000, 50.00, 150.00, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (27001, 27, 6, 'SUPORTE PARA CONDENSADORA 450 MM', 'PAR', 8.000, 50.00, 400.00, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (28001, 28, 2, 'AR-CONDICIONADO SPLIT 12000 BTUS INVERTER QUENTE/FRIO 220V', 'UN', 10.000, 2479.00, 24790.00, 0.00, 100.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (29001, 29, 7, 'CABO PP 3 X 2,5 MM² (METRO)', 'M', 25.000, 10.00, 250.00, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (30001, 30, 6, 'SUPORTE PARA CONDENSADORA 450 MM', 'PAR', 4.000, 50.00, 200.00, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (31001, 31, 3, 'TUBO DE COBRE 1/4 POLEGADA', 'M', 4.000, 18.50, 74.00, 0.00, NULL, '0');

-- Invoices: emission dates are yyyymmdd text, one invoice per sale.
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (1, 1, 1001, '20240115', 'JOSÉ D''ÁVILA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (2, 2, 1002, '20240116', 'MERCADINHO SÃO JOÃO LTDA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (3, 3, 1003, '20240117', 'MARIA DAS GRAÇAS FERREIRA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (4, 4, 1004, '20240118', 'FRANCISCO ASSIS ROCHA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (5, 5, 1005, '20240119', 'ASSOCIAÇÃO DOS MORADORES DO CONJUNTO HABITACIONAL SÃO CRISTÓVÃO');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (20, 20, 1020, '20240215', 'JOSÉ D''ÁVILA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (21, 21, 1021, '20240304', 'MERCADINHO SÃO JOÃO LTDA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (22, 22, 1022, '20240307', 'FRANCISCO ASSIS ROCHA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (23, 23, 1023, '20240311', 'JOSÉ D''ÁVILA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (24, 24, 1024, '20240314', 'MARIA DAS GRAÇAS FERREIRA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (25, 25, 1025, '20240318', 'MERCADINHO SÃO JOÃO LTDA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (26, 26, 0, '20240320', '0');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (27, 27, 1027, '20240305', 'JOSÉ D''ÁVILA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (28, 28, 1028, '20240410', 'MARIA DAS GRAÇAS FERREIRA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (29, 29, 1029, '20240322', 'MERCADINHO SÃO JOÃO LTDA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (30, 30, 1030, '20240301', 'FRANCISCO ASSIS ROCHA');
INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome) VALUES (31, 31, 1031, '20240125', 'FRANCISCO ASSIS ROCHA');

-- Cancellations and the commission recorded on the cancelled sales.
INSERT INTO cancelamento (cncod, sacod, cnusuario, cnmotivo) VALUES (1, 27, 'ADMIN', 'CLIENTE DESISTIU DA COMPRA');
INSERT INTO cancelamento (cncod, sacod, cnusuario, cnmotivo) VALUES (2, 29, 'GERENTE', 'PRODUTO SEM ESTOQUE NO FORNECEDOR');
INSERT INTO cancelamento (cncod, sacod, cnusuario, cnmotivo) VALUES (3, 30, 'ADMIN', 'ERRO DE DIGITAÇÃO');
INSERT INTO comissaoitem (cocod, fkfucod, fksacod, copercreal, covrcomissao) VALUES (1, 1, 27, 5.00, 12.50);
INSERT INTO comissaoitem (cocod, fkfucod, fksacod, copercreal, covrcomissao) VALUES (2, 1, 27, 5.00, 7.50);
INSERT INTO comissaoitem (cocod, fkfucod, fksacod, copercreal, covrcomissao) VALUES (3, 5, 27, 3.00, 12.00);
INSERT INTO comissaoitem (cocod, fkfucod, fksacod, copercreal, covrcomissao) VALUES (4, 2, 29, 2.50, 6.25);
INSERT INTO comissaoitem (cocod, fkfucod, fksacod, copercreal, covrcomissao) VALUES (5, 3, 30, 5.00, 10.00);

-- ---------------------------------------------------------------- instalments

INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (1, 1, NULL, 3, 69.00, '2024-02-14');
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (2, 1, NULL, 3, 69.00, '2024-03-15');
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (3, 1, NULL, 3, 69.00, '2024-04-14');
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento)
SELECT 4, 2, NULL, 2, savrpago, '2024-02-16' FROM saida WHERE sacod = 2;
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento)
SELECT 5, 3, NULL, 1, savrpago, '2024-01-17' FROM saida WHERE sacod = 3;
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (6, 4, NULL, 2, 4000.00, '2024-02-18');
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (7, 4, NULL, 1, 838.32, '2024-01-18');
-- stock entries
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (20, NULL, 1, 3, 4000.00, '2024-04-04');
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (21, NULL, 1, 3, 4000.00, '2024-05-04');
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (22, NULL, 1, 3, 4195.00, '2024-03-20');
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (23, NULL, 2, 4, 180.00, '2024-03-06');
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (24, NULL, 3, 3, 5000.00, '2024-04-19');
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (25, NULL, 3, 3, 5000.00, '2024-05-19');

-- ---------------------------------------------------------------- service orders
-- Item types are distinct within each order, so the order by type is total.

INSERT INTO os (oscod, osid, fkinterveniente, fktecnico, fkobjeto, fksituacao, fktipo,
    osdataentrada, osdataprevisao, osdatagarantia, osagenda, osperiodo, osresponsavel, osmarca, osobs, osdefeito, osavaliacao)
VALUES (1, 'OS-2024-0001', 10, 4, 1, 2, 1,
    '2024-03-18', '2024-03-22', '2024-09-20', '20/03/2024', 'MANHÃ', 'JOSÉ D''ÁVILA', 'FRIOMAX',
    'LEVAR ESCADA DE 3 M E FURADEIRA DE IMPACTO.', 'APARELHO NOVO, INSTALAÇÃO NA SALA.', 'INSTALAÇÃO CONCLUÍDA SEM PENDÊNCIAS.');
INSERT INTO os (oscod, osid, fkinterveniente, fktecnico, fkobjeto, fksituacao, fktipo,
    osdataentrada, osdataprevisao, osdatagarantia, osagenda, osperiodo, osresponsavel, osmarca, osobs, osdefeito, osavaliacao)
VALUES (2, 'OS-2024-0002', 14, 4, 2, 1, 2,
    '2024-03-19', '2024-03-26', NULL, '__/__/____', NULL, 'SR. ARMANDO (SÍNDICO)', 'GELOPRO',
    'CHAVE DA CASA DE MÁQUINAS COM O ZELADOR.',
    'A CÂMARA FRIA NÃO ATINGE A TEMPERATURA PROGRAMADA (-18 °C) E O COMPRESSOR DESARMA APÓS CERCA DE VINTE MINUTOS DE FUNCIONAMENTO. O SÍNDICO RELATA GELO ACUMULADO NA SERPENTINA DO EVAPORADOR, RUÍDO FORTE NO VENTILADOR DA CONDENSADORA E POÇA DE ÁGUA JUNTO À PORTA. O TERMOSTATO MOSTRA ALARME DE DEGELO DESDE A QUEDA DE ENERGIA DA SEMANA PASSADA. JÁ FOI FEITA UMA LIMPEZA PELO ZELADOR, SEM MELHORA. VERIFICAR PRESSÕES DE ALTA E BAIXA, CARGA DE GÁS, RESISTÊNCIA DE DEGELO, BORRACHA DE VEDAÇÃO DA PORTA E O QUADRO ELÉTRICO. O CLIENTE PEDE ORÇAMENTO PRÉVIO ANTES DE QUALQUER TROCA DE PEÇA E PREFERE ATENDIMENTO NO PERÍODO DA TARDE, APÓS AS 14H.',
    'RESISTÊNCIA DE DEGELO QUEIMADA E BORRACHA DA PORTA RESSECADA. CARGA DE GÁS ABAIXO DO NOMINAL. RECOMENDADA A TROCA DA RESISTÊNCIA, DA BORRACHA E A RECARGA COMPLETA DO SISTEMA; ORÇAMENTO ENVIADO AO SÍNDICO POR E-MAIL EM 20/03.');
INSERT INTO os (oscod, osid, fkinterveniente, fktecnico, fkobjeto, fksituacao, fktipo,
    osdataentrada, osdataprevisao, osdatagarantia, osagenda, osperiodo, osresponsavel, osmarca, osobs, osdefeito, osavaliacao)
VALUES (3, 'OS-2024-0003', 15, 4, 3, 1, 3,
    '2024-03-21', NULL, NULL, NULL, NULL, 'LÚCIA HELENA PRADO', 'AQUAFRIO',
    'VISITA PARA ORÇAMENTO.', 'BEBEDOURO NÃO GELA.', NULL);
-- Its customer row does not exist.
INSERT INTO os (oscod, osid, fkinterveniente, fktecnico, fkobjeto, fksituacao, fktipo,
    osdataentrada, osdataprevisao, osdatagarantia, osagenda, osperiodo, osresponsavel, osmarca, osobs, osdefeito, osavaliacao)
VALUES (4, 'OS-2024-0004', 999, 4, 1, 1, 2,
    '2024-03-22', NULL, NULL, '25/03/2024', 'TARDE', NULL, 'FRIOMAX', NULL, 'NÃO LIGA.', NULL);

INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome, itosqtde, itosvrunitario, itosvrtotal)
VALUES (1, 1, 'SERVIÇO', 'INSTALAÇÃO DE SPLIT ATÉ 12000 BTUS', 1.000, 450.00, 450.00);
INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome, itosqtde, itosvrunitario, itosvrtotal)
VALUES (2, 1, 'PEÇA', 'TUBO DE COBRE 1/4 POLEGADA', 3.500, 18.50, 64.75);
INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome, itosqtde, itosvrunitario, itosvrtotal)
VALUES (3, 1, 'DESLOCAMENTO', 'TAXA DE DESLOCAMENTO ZONA CENTRAL', 1.000, 40.00, 40.00);
INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome, itosqtde, itosvrunitario, itosvrtotal)
VALUES (4, 2, 'SERVIÇO', 'DIAGNÓSTICO E RECARGA DE GÁS R-404A', 1.000, 380.00, 380.00);
INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome, itosqtde, itosvrunitario, itosvrtotal)
VALUES (5, 4, 'SERVIÇO', 'VISITA TÉCNICA', 1.000, 90.00, 90.00);

-- ---------------------------------------------------------------- stock entries
-- Entry 1: names of 44 and 123 characters, a null IPI, a null ICMS-ST.
-- Entry 2: no items. Entry 3: 75 items (page breaks).

INSERT INTO entrada (encod, fkincod, ennf, endtentrada, usuario, enobs)
VALUES (1, 30, '000123456', '2024-03-05', 'ANA.PAULA', 'MERCADORIA CONFERIDA. CAIXA DO ITEM 3 CHEGOU AMASSADA, SEM AVARIA NO PRODUTO.');
INSERT INTO entrada (encod, fkincod, ennf, endtentrada, usuario, enobs)
VALUES (2, 31, '000987', '2024-03-06', 'ANA.PAULA', 'ENTRADA SEM ITENS: SOMENTE FRETE A PAGAR.');
INSERT INTO entrada (encod, fkincod, ennf, endtentrada, usuario, enobs)
VALUES (3, 30, '000123999', '2024-03-20', 'RAFAEL', 'REPOSIÇÃO DE ESTOQUE MENSAL.');

INSERT INTO itementrada (itcod, itfkencod, itfkprcod, itprnome, itqtd, itvrunitario, itvrtotal, itvripi, itvricmsst)
VALUES (101, 1, 1, 'AR-CONDICIONADO SPLIT 9000 BTUS SÓ FRIO 220V', 5.000, 1450.00, 7250.00, 72.50, 130.00);
INSERT INTO itementrada (itcod, itfkencod, itfkprcod, itprnome, itqtd, itvrunitario, itvrtotal, itvripi, itvricmsst)
VALUES (102, 1, 13, 'KIT COMPLETO DE INSTALAÇÃO PARA AR-CONDICIONADO SPLIT HI-WALL COM TUBULAÇÃO DE COBRE, ISOLAMENTO TÉRMICO, CABO PP E SUPORTE', 10.000, 150.00, 1500.00, 7.50, 12.00);
INSERT INTO itementrada (itcod, itfkencod, itfkprcod, itprnome, itqtd, itvrunitario, itvrtotal, itvripi, itvricmsst)
VALUES (103, 1, 3, 'TUBO DE COBRE 1/4 POLEGADA', 100.000, 12.40, 1240.00, NULL, 1.10);
INSERT INTO itementrada (itcod, itfkencod, itfkprcod, itprnome, itqtd, itvrunitario, itvrtotal, itvripi, itvricmsst)
VALUES (104, 1, 4, 'TUBO DE COBRE 3/8 POLEGADA', 50.000, 16.90, 845.00, 0.85, NULL);

SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE n INTEGER;
    DECLARE p INTEGER;
    DECLARE q NUMERIC(15,3);
BEGIN
    n = 1;
    WHILE (n <= 75) DO
    BEGIN
        p = 1 + MOD(n - 1, 8);
        q = 1 + MOD(n, 5);
        INSERT INTO itementrada (itcod, itfkencod, itfkprcod, itprnome, itqtd, itvrunitario, itvrtotal, itvripi, itvricmsst)
        SELECT 3000 + :n, 3, prcod, prnome, :q, CAST(prcusto AS NUMERIC(15,2)), :q * CAST(prcusto AS NUMERIC(15,2)), 0.00, 0.00
        FROM produto WHERE prcod = :p;
        n = n + 1;
    END
END^
SET TERM ; ^

-- ---------------------------------------------------------------- purchase orders

INSERT INTO entradacompra (encod, fkincod, dataentrada, endtentrega, fpdesc, enobs)
VALUES (1, 31, '2024-03-28', '2024-04-10', 'BOLETO 28/56 DIAS',
    'ENTREGAR NO DEPÓSITO DA RUA DAS PALMEIRAS, 1200 - FUNDOS. HORÁRIO: 8H ÀS 17H.');
INSERT INTO entradacompra (encod, fkincod, dataentrada, endtentrega, fpdesc, enobs)
VALUES (2, 30, '2024-03-29', '2024-04-15', 'À VISTA', 'PEDIDO SEM ITENS.');

INSERT INTO itementradacompra (itcod, itfkencod, itfkprcod, itprnome, itqtd, itvrunitario, itvrtotal, percipi, vripi, itvricmsst, itobs)
VALUES (1, 1, 3, 'TUBO DE COBRE 1/4 POLEGADA', 200.000, 12.4000, 2480.00, 5.00, 0.62, 1.10, 'ROLOS DE 15 M');
INSERT INTO itementradacompra (itcod, itfkencod, itfkprcod, itprnome, itqtd, itvrunitario, itvrtotal, percipi, vripi, itvricmsst, itobs)
VALUES (2, 1, 4, 'TUBO DE COBRE 3/8 POLEGADA', 150.000, 16.9000, 2535.00, 5.00, 0.85, 1.50, NULL);
INSERT INTO itementradacompra (itcod, itfkencod, itfkprcod, itprnome, itqtd, itvrunitario, itvrtotal, percipi, vripi, itvricmsst, itobs)
VALUES (3, 1, 8, 'GÁS REFRIGERANTE R-410A CILINDRO 11,34 KG', 6.000, 480.0000, 2880.00, 0.00, 0.00, 35.00, 'CILINDRO RETORNÁVEL');
INSERT INTO itementradacompra (itcod, itfkencod, itfkprcod, itprnome, itqtd, itvrunitario, itvrtotal, percipi, vripi, itvricmsst, itobs)
VALUES (4, 1, 5, 'ESPUMA ELASTOMÉRICA 3/8 X 2 M', 300.000, 3.8750, 1162.50, 10.00, 0.39, 0.00, NULL);

-- ---------------------------------------------------------------- summarised issues
-- Issue 501 has three items (itemsaida rows without a sale), 502 none.

INSERT INTO saidaresumida (sacod, datasaida, usuario, saobs, fkfuncionario, fkcccod, fktpsaida)
VALUES (501, '2024-03-12', 'ANA.PAULA', 'MATERIAL PARA MANUTENÇÃO PREVENTIVA DA CÂMARA FRIA DO DEPÓSITO', 7, 1, 5);
INSERT INTO saidaresumida (sacod, datasaida, usuario, saobs, fkfuncionario, fkcccod, fktpsaida)
VALUES (502, '2024-03-13', 'RAFAEL', NULL, 4, 2, 5);

INSERT INTO itemsaida (itcod, itfksacod, itfksaidaresumida, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (501001, NULL, 501, 3, 'TUBO DE COBRE 1/4 POLEGADA', 'M', 2.500, 12.40, 31.00, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfksaidaresumida, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (501002, NULL, 501, 5, 'ESPUMA ELASTOMÉRICA 3/8 X 2 M', 'PC', 4.000, 3.90, 15.60, 0.00, 0.00, '0');
INSERT INTO itemsaida (itcod, itfksacod, itfksaidaresumida, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao)
VALUES (501003, NULL, 501, 8, 'GÁS REFRIGERANTE R-410A CILINDRO 11,34 KG', 'UN', 1.000, 480.00, 480.00, 0.00, 0.00, '0');

-- ---------------------------------------------------------------- production
-- Order 1: item 1 has three materials (mpcod 1, 2, 4), item 2 one, item 3 none.

INSERT INTO producao (pcod, pdtpedido, pdtentrega, pobs, fktmcod)
VALUES (1, '2024-03-20', '2024-03-27', 'URGENTE: O CLIENTE JOSÉ D''ÁVILA AGUARDA OS KITS PARA O DIA 27/03. CONFERIR AS MEDIDAS DOS TUBOS ANTES DE CORTAR.', 6);

INSERT INTO itemproducao (itcod, fkpcod, fkprcod, probs, itnome, itqtde, itdesc)
VALUES (1, 1, 60, 'KIT-9000', 'KIT INSTALAÇÃO SPLIT 9000 BTUS', 3.000, 'MONTAR OS KITS COM TUBOS CORTADOS E ISOLADOS; EMBALAR EM CAIXA ÚNICA.');
INSERT INTO itemproducao (itcod, fkpcod, fkprcod, probs, itnome, itqtde, itdesc)
VALUES (2, 1, 61, 'EVP-12000', 'EVAPORADORA MONTADA 12000 BTUS', 1.000, 'TESTAR VAZAMENTO COM NITROGÊNIO ANTES DE EMBALAR.');
INSERT INTO itemproducao (itcod, fkpcod, fkprcod, probs, itnome, itqtde, itdesc)
VALUES (3, 1, 62, 'SUP-600', 'SUPORTE REFORÇADO SOLDADO 600 MM', 2.000, 'PINTAR COM TINTA EPÓXI BRANCA.');

INSERT INTO mpitemproducao (mpcod, fkitcod, mpnome, mpqtdetotal, prunisaida) VALUES (1, 1, 'TUBO DE COBRE 1/4 POLEGADA', 15.000, 'M');
INSERT INTO mpitemproducao (mpcod, fkitcod, mpnome, mpqtdetotal, prunisaida) VALUES (2, 1, 'TUBO DE COBRE 3/8 POLEGADA', 15.000, 'M');
INSERT INTO mpitemproducao (mpcod, fkitcod, mpnome, mpqtdetotal, prunisaida) VALUES (3, 2, 'CABO PP 3 X 2,5 MM² (METRO)', 4.000, 'M');
INSERT INTO mpitemproducao (mpcod, fkitcod, mpnome, mpqtdetotal, prunisaida) VALUES (4, 1, 'ESPUMA ELASTOMÉRICA 3/8 X 2 M', 9.000, 'PC');

COMMIT;

-- stock entries (drawn documents)
-- Page-break cases of the stock-entry receipt. Every item name is shorter
-- than 41 characters except item 69 of entry 6 (60 characters), so each
-- item takes one 200-twip line from 1750: item n at 1750 + 200 (n - 1).
-- Entry 4: 63 items, no instalment: the remarks line starts page 2 at 300.
-- Entry 5: 56 items, 1 instalment: the supplier line starts page 2 at 300.
-- Entry 6: 70 items, item 69 at 15350 with a second name line, which starts
--          page 2 at 500; item 70 follows at 700.
-- Entry 7: 61 items, 1 instalment: the user line starts page 2 at 500.

INSERT INTO entrada (encod, fkincod, ennf, endtentrada, usuario, enobs)
VALUES (4, 30, '000200004', '2024-04-01', 'ANA.PAULA', 'OBSERVAÇÃO NO ALTO DA SEGUNDA PÁGINA.');
INSERT INTO entrada (encod, fkincod, ennf, endtentrada, usuario, enobs)
VALUES (5, 31, '000200005', '2024-04-02', 'ANA.PAULA', 'ASSINATURA NA SEGUNDA PÁGINA.');
INSERT INTO entrada (encod, fkincod, ennf, endtentrada, usuario, enobs)
VALUES (6, 30, '000200006', '2024-04-03', 'RAFAEL', 'NOME LONGO NA VIRADA DA PÁGINA.');
INSERT INTO entrada (encod, fkincod, ennf, endtentrada, usuario, enobs)
VALUES (7, 31, '000200007', '2024-04-04', 'RAFAEL', 'USUÁRIO NA SEGUNDA PÁGINA.');

SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE e INTEGER;
    DECLARE n INTEGER;
    DECLARE c INTEGER;
BEGIN
    e = 4;
    WHILE (e <= 7) DO
    BEGIN
        c = DECODE(:e, 4, 63, 5, 56, 6, 70, 61);
        n = 1;
        WHILE (n <= c) DO
        BEGIN
            INSERT INTO itementrada (itcod, itfkencod, itfkprcod, itprnome, itqtd, itvrunitario, itvrtotal, itvripi, itvricmsst)
            VALUES (:e * 1000 + 4000 + :n, :e, 3,
                    IIF(:e = 6 AND :n = 69,
                        'PARAFUSO SEXTAVADO INOX 1/4 X 2 POL COM PORCA E ARRUELA LISA',
                        'PARAFUSO SEXTAVADO ' || :e || '-' || :n),
                    1.000, 10.00, 10.00, 0.50, NULL);
            n = n + 1;
        END
        e = e + 1;
    END
END^
SET TERM ; ^

INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (9005, NULL, 5, 1, 588.00, '2024-05-02');
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (9007, NULL, 7, 4, 640.50, '2024-05-04');

COMMIT;

-- ---------------------------------------------------------------- text printouts
-- Sale 50: a small counter sale whose discount is null (the receipt leaves out
-- its "DESCONTO(-)" line), one item of 3,7 m, one PIX payment, no invoice.
INSERT INTO saida (sacod, datasaida, dataentrega, saentrega, safkinterveniente, safkvendedor, safktppag, safktpsaida, usuario_cri,
    total, savrtotal, sadesconto, valoripi, valoricmss, vrfrete, savrtroca, savrpago, sanf, saobs, status)
VALUES (50, '2024-02-01', NULL, NULL, 12, 1, 4, 3, 'CAIXA02',
    37.00, 37.00, NULL, 0.00, 0.00, 0.00, 0.00, 37.00, NULL, NULL, 'A');
INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itprnome, itunidade, itqtd, itvrunitario, itvrtotal, itvripi, vicmsst, tppromocao, itentrega_retira, itsadesconto, itobs)
VALUES (50001, 50, 7, 'CABO PP 3 X 2,5 MM² (METRO)', 'M', 3.700, 10.00, 37.00, 0.00, 0.00, '0', 'RETIRA', 0.00, NULL);
INSERT INTO lancamento (lacod, fksaida, fkentrada, fktrcod, lavalor, datavencimento) VALUES (50, 50, NULL, 4, 37.00, '2024-02-01');

COMMIT;
