#pragma once
void OpenWindowOfHighLayer();
