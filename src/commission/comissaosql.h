#pragma once
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

// The six commission queries, joined piece by piece from the inquiry's
// filters, and the small rules the grids and statements share.
namespace comissao {

// "All sellers / representatives / referrers": compared as a number, so a
// real person with code 999 cannot be chosen alone.
constexpr qint64 kTodos = 999;

// A masked date field's text when nothing has been typed.
inline constexpr const char* kEmptyDate = "__/__/____";

// The date a masked field holds ("05/03/2024"); nullopt for anything that
// is not a whole valid day/month/year date ("12/__/____", "99/99/9999").
std::optional<QDate> parseFieldDate(const QString& text);

// yyyymmdd, as the invoice emission dates are stored.
QString dateKey(const QDate& d);

// The cancellation period as the cancelled-sales queries join it after
// their opening quote: month/day/year without leading zeros, closed by a
// quote and a blank ("3/5/2024' and '3/31/2024' ").
QString cancelPeriodPieces(const QDate& from, const QDate& to);

// The referral percentage as the queries multiply by it: "," becomes ".".
QString percentFactor(const QString& fieldText);
// True when the factor can stand in the query text as it is: digits and
// points only (an empty factor is let through; the query then fails).
bool isPlainFactor(const QString& factor);

QString sqlComissaoVendedor(const QString& dtInicial, const QString& dtFinal, qint64 codFunc);
// The seller sales query as it is sent to the database: the same rows in the
// same order as sqlComissaoVendedor (kept for the statements), without
// sorting a wide row or comparing a text per row. The sales are grouped on
// their code alone, narrow, as the engine walks the invoices in sale order:
// each sale column and foreign key holds one value per sale, which MAX()
// returns unchanged (a null stays null). The seller, position, payment and
// customer are then joined once per sale, as left joins that keep the sale
// order (nested loops from the left), and a missing one drops the sale as
// the built text's inner join does. The DISTINCT of the built text removes
// nothing after its GROUP BY.
QString sqlComissaoVendedorEnviada(const QString& dtInicial, const QString& dtFinal,
                                   qint64 codFunc);
QString sqlEstornoVendedor(const QDate& caInicial, const QDate& caFinal, qint64 codFunc);
QString sqlComissaoRepresentante(const QString& dtInicial, const QString& dtFinal,
                                 qint64 codFunc);
QString sqlEstornoRepresentante(const QDate& caInicial, const QDate& caFinal, qint64 codFunc);
QString sqlComissaoIndicacao(const QString& factor, const QString& dtInicial,
                             const QString& dtFinal, int32_t codIndicacao);
QString sqlEstornoIndicacao(const QString& factor, const QDate& caInicial, const QDate& caFinal,
                            int32_t codIndicacao);

}  // namespace comissao
