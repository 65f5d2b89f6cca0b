#pragma once

#include <QString>
#include <memory>

namespace giudizi {

class Recordset;

// Flexible catalogue of an area (0..3) in a term (1..3); empty when out of range.
QString flexibleTable(int term, int area);
// Rigid catalogue for a class (or class group) and term; empty when the class
// has no group. Classes 1, 2 and 4 (and 0, taken as 1) are group A; 3 and 5 group B.
QString rigidTable(int currentClass, int term);

// " select * from <table>  ORDER BY ordine ASC;"
std::shared_ptr<Recordset> openFlexibleCatalogue(const QString& table);
// " select * from <table> where tipo = <step + 1> ORDER BY ordine ASC;"
std::shared_ptr<Recordset> openRigidAspect(const QString& table, int step);
// A whole rigid catalogue, aspect by aspect.
std::shared_ptr<Recordset> openRigidCatalogue(const QString& table);

// The rigid catalogue loaders: each opens the aspect of appState().currentStep
// of its table as DescriptorCursor; a step outside 0..9 leaves the cursor alone.
void CaricaClasseAq1();
void CaricaClasseAq2();
void CaricaClasseBq1();
void CaricaClasseBq2();
// The loader of a rigid catalogue named by its table; any other name leaves
// the cursor alone.
void CaricaClasse(const QString& table);

} // namespace giudizi
