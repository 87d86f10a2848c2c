// The card outline test and the table of wishes.
#include "card_layout.h"

namespace assets {

bool InsideCard(int x, int y) {
  // Clockwise on screen (y down): inside is to the right of every edge.
  for (std::size_t i = 0; i < kCardCorners.size(); ++i) {
    const Point a = kCardCorners[i], b = kCardCorners[(i + 1) % kCardCorners.size()];
    const double px = x + 0.5, py = y + 0.5;
    const double cross = (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
    if (cross < 0) return false;
  }
  return true;
}

const std::array<Wish, kCardCount> kWishes = {{
    {{"Бебе"}, 1, 20, -15, 7},
    {{"Верни", "приятели"}, 2, 17, -36, 12},
    {{"Весели", "приключения"}, 2, 14, -23, 16},
    {{"Хармония", "и", "сигурност"}, 3, 16, -35, 39},
    {{"Учение"}, 1, 20, -13, 7},
    {{"Успехи в", "постигането", "на целите"}, 3, 12, -37, 16},
    {{"Успех"}, 1, 20, -12, 8},
    {{"Спокойствие", "и радост в", "дома"}, 3, 12, -37, 16},
    {{"Сватба"}, 1, 20, -15, 8},
    {{"Сбъднати", "желания"}, 2, 15, -37, 7},
    {{"Пътешествие", "в мечтаната", "страна"}, 3, 12, -21, 33},
    {{"Повече", "весели и", "безгрижни", "дни"}, 4, 12, -37, 36},
    {{"Победа"}, 1, 20, -15, 9},
    {{"Неочаквани", "подаръци от", "близо и далеч"}, 3, 12, -35, 16},
    {{"Любов"}, 1, 20, -15, 8},
    {{"Къща"}, 1, 20, -13, 9},
    {{"Късмет"}, 1, 20, -13, 7},
    {{"Щастие"}, 1, 20, -12, 12},
    {{"Кола"}, 1, 20, -13, 7},
    {{"Здраве"}, 1, 20, -13, 11},
}};

}  // namespace assets
