#pragma once

#include <QObject>

class QWidget;

// Ends the program the moment a widget's window is first on screen, so a
// probe measures start-up and nothing after it.
class ExposeWatcher : public QObject
{
    Q_OBJECT

public:
    explicit ExposeWatcher(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
