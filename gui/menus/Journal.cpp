#include "Journal.h"

#include "standInPage.h"

Journal::Journal(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("Journal"),
                   {
       {QStringLiteral("esc_JournalButton"), QString(), [this] { emit esc_Journal(); }}
                   });
}
