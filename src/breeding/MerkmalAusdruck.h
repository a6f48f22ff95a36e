// MerkmalAusdruck: the trait expressions of the register statistics, read and turned into SQL.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tav::breeding {

// The SQL condition of an expression with one bound value per trait it names, in order.
struct MerkmalSql {
    QString bedingung;
    QStringList werte;
};

// Reads an expression of trait conditions Merkmal='name' (a quote inside the name doubled),
// joined by "and", "or", "not" and parentheses; not binds tighter than and, and tighter than or.
// Every trait condition becomes `vorlage`, whose single "?" takes the trait's name. Empty for
// anything else, also for a trait not in `bekannt` and for an empty expression.
std::optional<MerkmalSql> merkmalAusdruck(const QString &text, const QStringList &bekannt,
                                          const QString &vorlage);

// The condition Merkmal='name' as the window appends it, the name's quotes doubled.
QString merkmalBedingung(const QString &name);

} // namespace tav::breeding
