// Test stand-in of the main window for orvqt-entry: it logs on stdout what the entry
// point hands it and what the entry point has set up by then, and ends the event loop
// once its initialisation has returned.
#pragma once

#include <QWidget>

#include <string>

class cORV : public QWidget {
public:
  explicit cORV(QWidget* parent = nullptr);
  ~cORV() override;
  int On_initAll(std::string language);

protected:
  void showEvent(QShowEvent* event) override;

private:
  void reportFromEventLoop();
};
