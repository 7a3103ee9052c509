-- Demo schema of the shop database that TL_Relatorios reads.
--
-- Firebird 3, database created with DEFAULT CHARACTER SET UTF8 (see create-db.sh).
-- Column names keep the shop's own convention: every column carries its
-- table's prefix (sacod, innome, prbarra) and foreign keys insert "fk"
-- (safkvendedor, itfksacod).
--
-- Type choices that the queries depend on:
--  * Integer keys are compared with quoted literals (where s.sacod = '12');
--    Firebird converts the literal, so INTEGER keys serve.
--  * notafiscal.nfdataemissao holds the emission date as yyyymmdd text
--    (CHAR(8)): the commission queries compare it with '20240301'-style
--    literals, which Firebird refuses against a DATE.
--  * saida.sadtcancelamento is a DATE: the cancellation queries compare it
--    with 'M/D/YYYY' literals, which Firebird reads as month/day/year.
--  * os.osagenda is text: the service-order form tests it against the empty
--    date mask "__/__/____", which a DATE column could not hold.
--  * Delivery hours, zone, weekdays, reference, NCM and CST are text; the
--    reports put date or number masks on some of them, and a text under such
--    a mask prints unchanged.
--  * No BLOB columns: several child queries use SELECT DISTINCT over p.* / i.*.
--
-- No foreign-key constraints: some fixtures point at rows that do not exist
-- on purpose (a service order whose customer is gone). Lookup columns used by
-- the report relations and filters are indexed.

SET AUTODDL ON;

-- Parties: customers, suppliers, referrers and the store itself (type 5).
CREATE TABLE interveniente (
    incod               INTEGER NOT NULL PRIMARY KEY,
    fktipointerveniente INTEGER,          -- 1 customer, 2 supplier, 3 referrer, 5 the store
    innome              VARCHAR(150),
    inapelido           VARCHAR(60),      -- short / trade name
    incontato           VARCHAR(60),
    incpf               VARCHAR(14),      -- "___.___.___-__" when the business system's customer form leaves it empty
    incnpj              VARCHAR(18),      -- "__.___.___/____-__" when left empty
    inrg                VARCHAR(20),
    ininscricao         VARCHAR(20),
    datanascimento      DATE,
    entrega             VARCHAR(30),
    infone              VARCHAR(20),
    infax               VARCHAR(20),
    incelular           VARCHAR(20),
    -- main address
    inendereco          VARCHAR(100),
    innumero            VARCHAR(10),
    incomplemento       VARCHAR(60),
    inbairro            VARCHAR(60),
    inmunicipio         VARCHAR(60),
    inuf                VARCHAR(2),
    incep               VARCHAR(9),
    -- billing address
    inendereco2         VARCHAR(100),
    innumero2           VARCHAR(10),
    incomplemento2      VARCHAR(60),
    inbairro2           VARCHAR(60),
    inmunicipio2        VARCHAR(60),
    inuf2               VARCHAR(2),
    incep2              VARCHAR(9),
    -- delivery address
    inenendereco        VARCHAR(100),
    inennumero          VARCHAR(10),
    inencomplemento     VARCHAR(60),
    inenbairro          VARCHAR(60),
    inenmunicipio       VARCHAR(60),
    inenuf              VARCHAR(2),
    inencep             VARCHAR(9),
    inenreferencia      VARCHAR(250),
    inenzona            VARCHAR(30),
    inenhrinicial       VARCHAR(5),       -- "08:00"
    inenhrfinal         VARCHAR(5),
    inensemana          VARCHAR(40),      -- delivery weekdays, free text
    fkgcompra           INTEGER,          -- grupocompra
    inrepresentante     INTEGER,          -- funcionario: representative / manager
    inindicacao         INTEGER           -- interveniente: referrer
);
CREATE INDEX ix_interveniente_nome ON interveniente (innome);

-- Store header and footer lines of the counter receipt.
CREATE TABLE param (
    parcod  INTEGER NOT NULL PRIMARY KEY,
    fkincod INTEGER,
    cb1     VARCHAR(100),
    cb2     VARCHAR(100),
    cb3     VARCHAR(100),
    rp1     VARCHAR(100),
    rp2     VARCHAR(100),
    rp3     VARCHAR(100)
);

CREATE TABLE grupocompra (
    gccod  INTEGER NOT NULL PRIMARY KEY,
    gcdesc VARCHAR(60)
);

-- State tax rows; the order text only checks that the customer's state has one.
CREATE TABLE icms (
    icuf       VARCHAR(2) NOT NULL PRIMARY KEY,
    icaliquota NUMERIC(9,2)
);

CREATE TABLE cargo (
    cacod           INTEGER NOT NULL PRIMARY KEY,
    cadesc          VARCHAR(60),
    cacomissaovenda NUMERIC(9,2)       -- sales commission, percent
);

CREATE TABLE funcionario (
    fucod     INTEGER NOT NULL PRIMARY KEY,
    funome    VARCHAR(60),
    fkcargo   INTEGER,
    fuinativo SMALLINT DEFAULT 0 NOT NULL
);
CREATE INDEX ix_funcionario_nome ON funcionario (funome);

CREATE TABLE formapagamento (
    fpcod  INTEGER NOT NULL PRIMARY KEY,
    fpdesc VARCHAR(60)
);

CREATE TABLE tipomovimento (
    tmcod      INTEGER NOT NULL PRIMARY KEY,
    tmdesc     VARCHAR(60),
    tmcomissao VARCHAR(3)              -- 'SIM' when the movement pays commission
);

CREATE TABLE tiporecebimento (
    trcod  INTEGER NOT NULL PRIMARY KEY,
    trdesc VARCHAR(60)
);

CREATE TABLE produto (
    prcod        INTEGER NOT NULL PRIMARY KEY,
    prnome       VARCHAR(150),
    prbarra      VARCHAR(30),          -- bar code
    probs        VARCHAR(30),          -- the shop's own reference
    prunientrada VARCHAR(6),
    prcusto      NUMERIC(15,4),
    prpreco      NUMERIC(15,2),
    prbru        NUMERIC(15,3),        -- gross weight per unit, kg
    prclass      VARCHAR(10),          -- NCM
    prcst        VARCHAR(3),           -- tax situation code
    obsproducao  VARCHAR(200)
);

-- Sales, quotations and counter sales.
CREATE TABLE saida (
    sacod             INTEGER NOT NULL PRIMARY KEY,
    datasaida         DATE,
    dataentrega       DATE,
    saentrega         VARCHAR(20),
    safkinterveniente INTEGER,
    safkvendedor      INTEGER,
    safktppag         INTEGER,
    safktpsaida       INTEGER,
    usuario_cri       VARCHAR(30),
    total             NUMERIC(15,2),   -- sum of the items
    savrtotal         NUMERIC(15,2),
    sadesconto        NUMERIC(9,2),    -- discount, percent
    valoripi          NUMERIC(15,2),
    valoricmss        NUMERIC(15,2),
    vrfrete           NUMERIC(15,2),
    savrtroca         NUMERIC(15,2),   -- exchange credit
    savrpago          NUMERIC(15,2),   -- amount paid
    sanf              VARCHAR(20),     -- customer's purchase-order number
    saobs             VARCHAR(1000),
    status            VARCHAR(1),      -- 'C' cancelled
    sadtcancelamento  DATE
);

CREATE TABLE itemsaida (
    itcod             INTEGER NOT NULL PRIMARY KEY,
    itfksacod         INTEGER,         -- saida
    itfksaidaresumida INTEGER,         -- saidaresumida
    itfkprcod         INTEGER,
    itprnome          VARCHAR(150),
    itunidade         VARCHAR(6),
    itqtd             NUMERIC(15,3),
    itvrunitario      NUMERIC(15,2),
    itvrtotal         NUMERIC(15,2),
    itvripi           NUMERIC(15,2),   -- IPI rate, percent
    vicmsst           NUMERIC(15,2),   -- ICMS-ST value of the item
    tppromocao        VARCHAR(1),      -- '1' promotional price
    itentrega_retira  VARCHAR(10),
    itsadesconto      NUMERIC(15,2),
    itobs             VARCHAR(200)
);
CREATE INDEX ix_itemsaida_sacod ON itemsaida (itfksacod);
CREATE INDEX ix_itemsaida_sr ON itemsaida (itfksaidaresumida);

-- Items taken back in exchange on a counter sale.
CREATE TABLE itemsaida_troca (
    itcod            INTEGER NOT NULL PRIMARY KEY,
    itfksacod        INTEGER,
    itfkprcod        INTEGER,
    itprnome         VARCHAR(150),
    itunidade        VARCHAR(6),
    itqtd            NUMERIC(15,3),
    itvrunitario     NUMERIC(15,2),
    itvrtotal        NUMERIC(15,2),
    itvripi          NUMERIC(15,2),
    tppromocao       VARCHAR(1),
    itentrega_retira VARCHAR(10),
    itsadesconto     NUMERIC(15,2),
    itobs            VARCHAR(200)
);
CREATE INDEX ix_itemsaida_troca_sacod ON itemsaida_troca (itfksacod);

CREATE TABLE notafiscal (
    nfcod          INTEGER NOT NULL PRIMARY KEY,
    fksaida        INTEGER,
    nfnumerodanota INTEGER,            -- 0: no invoice number
    nfdataemissao  CHAR(8),            -- yyyymmdd
    nfinnome       VARCHAR(150)        -- '0' when the invoice has no customer name
);
CREATE INDEX ix_notafiscal_saida ON notafiscal (fksaida);

-- Instalments: of a sale (fksaida) or of a stock entry (fkentrada).
CREATE TABLE lancamento (
    lacod          INTEGER NOT NULL PRIMARY KEY,
    fksaida        INTEGER,
    fkentrada      INTEGER,
    fktrcod        INTEGER,
    lavalor        NUMERIC(15,2),
    datavencimento DATE
);
CREATE INDEX ix_lancamento_saida ON lancamento (fksaida);
CREATE INDEX ix_lancamento_entrada ON lancamento (fkentrada);

CREATE TABLE cancelamento (
    cncod     INTEGER NOT NULL PRIMARY KEY,
    sacod     INTEGER,
    cnusuario VARCHAR(30),
    cnmotivo  VARCHAR(200)
);
CREATE INDEX ix_cancelamento_sacod ON cancelamento (sacod);

-- Commission recorded per sale and employee.
CREATE TABLE comissaoitem (
    cocod        INTEGER NOT NULL PRIMARY KEY,
    fkfucod      INTEGER,
    fksacod      INTEGER,
    copercreal   NUMERIC(9,2),
    covrcomissao NUMERIC(15,2)
);
CREATE INDEX ix_comissaoitem_sacod ON comissaoitem (fksacod);

-- Service orders.
CREATE TABLE objeto (
    obcod  INTEGER NOT NULL PRIMARY KEY,
    obdesc VARCHAR(100)
);

CREATE TABLE situacao (
    sicod  INTEGER NOT NULL PRIMARY KEY,
    sidesc VARCHAR(60)
);

CREATE TABLE tipoos (
    ticod  INTEGER NOT NULL PRIMARY KEY,
    tidesc VARCHAR(60)
);

CREATE TABLE os (
    oscod           INTEGER NOT NULL PRIMARY KEY,
    osid            VARCHAR(30),
    fkinterveniente INTEGER,
    fktecnico       INTEGER,           -- funcionario
    fkobjeto        INTEGER,
    fksituacao      INTEGER,
    fktipo          INTEGER,           -- tipoos
    osdataentrada   DATE,
    osdataprevisao  DATE,
    osdatagarantia  DATE,
    osagenda        VARCHAR(10),       -- dd/mm/yyyy, or the empty mask "__/__/____"
    osperiodo       VARCHAR(20),       -- period of the day of the visit
    osresponsavel   VARCHAR(60),
    osmarca         VARCHAR(40),
    osobs           VARCHAR(1000),
    osdefeito       VARCHAR(2000),
    osavaliacao     VARCHAR(2000)
);

CREATE TABLE itemos (
    itoscod        INTEGER NOT NULL PRIMARY KEY,
    itfkos         INTEGER,
    itostipo       VARCHAR(20),
    itosnome       VARCHAR(100),
    itosqtde       NUMERIC(15,3),
    itosvrunitario NUMERIC(15,2),
    itosvrtotal    NUMERIC(15,2)
);
CREATE INDEX ix_itemos_os ON itemos (itfkos);

-- Stock entries (goods received) and their items.
CREATE TABLE entrada (
    encod       INTEGER NOT NULL PRIMARY KEY,
    fkincod     INTEGER,
    ennf        VARCHAR(20),
    endtentrada DATE,
    usuario     VARCHAR(30),
    enobs       VARCHAR(500)
);

CREATE TABLE itementrada (
    itcod        INTEGER NOT NULL PRIMARY KEY,
    itfkencod    INTEGER,
    itfkprcod    INTEGER,
    itprnome     VARCHAR(150),
    itqtd        NUMERIC(15,3),
    itvrunitario NUMERIC(15,2),
    itvrtotal    NUMERIC(15,2),
    itvripi      NUMERIC(15,2),        -- IPI per unit
    itvricmsst   NUMERIC(15,2)         -- ICMS-ST per unit
);
CREATE INDEX ix_itementrada_encod ON itementrada (itfkencod);

-- Purchase orders and their items.
CREATE TABLE entradacompra (
    encod       INTEGER NOT NULL PRIMARY KEY,
    fkincod     INTEGER,               -- supplier
    dataentrada DATE,
    endtentrega DATE,
    fpdesc      VARCHAR(60),           -- payment terms
    enobs       VARCHAR(500)
);

CREATE TABLE itementradacompra (
    itcod        INTEGER NOT NULL PRIMARY KEY,
    itfkencod    INTEGER,
    itfkprcod    INTEGER,
    itprnome     VARCHAR(150),
    itqtd        NUMERIC(15,3),
    itvrunitario NUMERIC(15,4),
    itvrtotal    NUMERIC(15,2),
    percipi      NUMERIC(9,2),         -- IPI rate, percent
    vripi        NUMERIC(15,2),        -- IPI per unit
    itvricmsst   NUMERIC(15,2),        -- ICMS-ST per unit
    itobs        VARCHAR(200)
);
CREATE INDEX ix_itementradacompra_encod ON itementradacompra (itfkencod);

-- Summarised stock issues; their items are itemsaida rows with itfksaidaresumida.
CREATE TABLE centrocusto (
    cccod  INTEGER NOT NULL PRIMARY KEY,
    ccdesc VARCHAR(60)
);

CREATE TABLE saidaresumida (
    sacod         INTEGER NOT NULL PRIMARY KEY,
    datasaida     DATE,
    usuario       VARCHAR(30),
    saobs         VARCHAR(500),
    fkfuncionario INTEGER,
    fkcccod       INTEGER,
    fktpsaida     INTEGER
);

-- Kits: the parts of a product made in the shop.
CREATE TABLE kit (
    kitcod     INTEGER NOT NULL PRIMARY KEY,
    fkprcodkit INTEGER,                -- the kit product
    fkprcod    INTEGER,                -- a part
    kitprqtde  NUMERIC(15,3),
    kitordem   INTEGER
);
CREATE INDEX ix_kit_kit ON kit (fkprcodkit);

-- Production orders, their items and each item's materials.
CREATE TABLE producao (
    pcod       INTEGER NOT NULL PRIMARY KEY,
    pdtpedido  DATE,
    pdtentrega DATE,
    pobs       VARCHAR(1000),
    fktmcod    INTEGER
);

CREATE TABLE itemproducao (
    itcod   INTEGER NOT NULL PRIMARY KEY,
    fkpcod  INTEGER,
    fkprcod INTEGER,
    probs   VARCHAR(30),
    itnome  VARCHAR(150),
    itqtde  NUMERIC(15,3),
    itdesc  VARCHAR(500)
);
CREATE INDEX ix_itemproducao_pcod ON itemproducao (fkpcod);

CREATE TABLE mpitemproducao (
    mpcod       INTEGER NOT NULL PRIMARY KEY,
    fkitcod     INTEGER,
    mpnome      VARCHAR(150),
    mpqtdetotal NUMERIC(15,3),
    prunisaida  VARCHAR(6)
);
CREATE INDEX ix_mpitemproducao_item ON mpitemproducao (fkitcod);

-- Price tables.
CREATE TABLE tabelaproduto (
    tbcod     INTEGER NOT NULL,
    prcod     INTEGER NOT NULL,
    fkprpreco NUMERIC(15,2),           -- the product's price in this table
    PRIMARY KEY (tbcod, prcod)
);
