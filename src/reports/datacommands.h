#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// The data commands of the page reports, kept as the hierarchical command
// texts the reports were designed against (SHAPE {parent} APPEND ({child}
// RELATE 'a' TO 'b')). The texts are the definition: the engine parses them
// and runs each query as written.
namespace reports {

// One record set of a command: its query and, for a child, how its rows
// relate to the parent's rows.
struct ShapeNode {
  QString name;          // the command (parent) or the child record set's name
  QString sql;           // the query between the braces, as written
  QString parentColumn;  // RELATE 'SACOD' ...
  QString childColumn;   // ... TO 'ITFKSACOD'
  // The child query's column (as the query names it) by which the engine
  // restricts the child rows to those of the parent rows it read.
  QString filterColumn;
  std::vector<ShapeNode> children;

  const ShapeNode* child(const QString& childName) const;
};

enum class ParamType { Integer32, Text8 };

struct DataCommand {
  QString name;
  QString text;  // the command text
  ParamType param = ParamType::Integer32;
  ShapeNode shape;
};

// The eight commands, parsed once.
const std::vector<DataCommand>& dataCommands();
// Throws RuntimeError for a name that is not a command.
const DataCommand& dataCommand(const QString& name);

// Parses a command text; throws RuntimeError naming what it expected.
ShapeNode parseShape(const QString& text);

// The query with its one "?" replaced by the literal of Param1.
QString bindParam1(const QString& sql, const QString& literal);

// The child query restricted to rows whose column is one of the literals:
// the condition goes before a trailing ORDER BY (joined with AND when the
// query already has a WHERE), so the rows of each key keep the order the
// whole query gives them.
QString filterByKeys(const QString& sql, const QString& column, const QStringList& literals);

}  // namespace reports
