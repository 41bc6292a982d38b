#pragma once

#include "model/connectionsettings.h"

#include <QMainWindow>

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(const QString &fileName, const ConnectionSettings *options,
               QWidget *parent = nullptr);
};
