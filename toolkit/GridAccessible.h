#pragma once

class Grid;
class QAccessibleInterface;
class QObject;
class QString;

// What a screen reader sees of a Grid: a table of its cells, its heading cells first when it
// shows its heading. Qt's own table would call the current cell focused whether or not its
// view has the focus, and forgets every cell at each reset, while an event may still name one.
// Here a cell is known by its place: it lives while its place does, and it is focused only while
// its grid is.
QAccessibleInterface *gridAccessibleFactory(const QString &className, QObject *object);

// Tells a screen reader that the grid's current cell has the focus; nothing unless the grid
// itself has it and a reader listens.
void announceCurrentCell(Grid *grid);
