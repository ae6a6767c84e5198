<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="ru_RU">
<context>
    <name>Accessibility</name>
    <message>
        <source>Замедление времени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>От 1 (быстрее всего) до 9 (медленнее всего)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Момент расчёта</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>w= %1 рад/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To= %1 с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To--&gt;00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a= %1 м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Va= %1 м/c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ao/a= %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tau_0= %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t_m= %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X_end=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>П_end=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X_end=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>П_end=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|X_end|=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2*pi*t/T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Красный пунктир - время в точках остановки. Vx=0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синий пунктир   - время, когда скорость экстремальна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X(%1)=%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>П(%1)=%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|X(%1)|=%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t = %1  (%2 с)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>канал (FIFO) сейчас никто не читает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это устройство, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это сокет, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputRules</name>
    <message>
        <source>Масса должна быть больше нуля! Не вводите заново, а исправьте!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масса должна быть от 0.000001 до 1000000 кг!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пружины нет?! Движение с постоянным ускорением! Неинтересно!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент жёсткости пружины положителен!  Не вводите заново, а исправьте!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент жёсткости пружины должен быть от 0.000001 до 1000000 Н/м!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Трения нет?! Это свободные гармонические колебания! Неинтересно!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент трения скольжения положителен!  Не вводите заново, а исправьте!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент трения скольжения должен быть от 0.000001 до 1000000!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начальная координата по модулю не должна превышать 1000!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задача симметричная. x0&gt;=0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если Хо&lt;=1 и Vo=0, то тело будет стоять на месте! Внутри зоны застоя!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начальная скорость по модулю не должна превышать 1000!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если Vo=0 и Хо&lt;=1, то тело будет стоять на месте! Внутри зоны застоя!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время должно быть положительным!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время расчета не должно превышать 10000!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Views</name>
    <message>
        <source>движение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Анимация движения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>координата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зависимость координаты от времени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>проекция Vx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зависимость проекции скорости от времени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>энергия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зависимость полной механической энергии от времени (нормированная на начальную)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W/Wo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зависимость пути от времени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>П</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t = %1  x = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t = %1  Vx = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t = %1  W/Wo = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t = %1  П = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>фазовый портрет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фазовый портрет: скорость Vx/Va от координаты x/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X = %1  V = %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dryfriction::AuthorsWindow</name>
    <message>
        <source>Авторы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Учебная модель механики:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Написана на C++20 и Qt 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Авторы: участники проекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа «dryfriction»,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>версия %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>груз на пружине при сухом трении</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dryfriction::CharacteristicsPanel</name>
    <message>
        <source>Характеристики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Характеристики движения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размерная циклическая частота колебаний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размерный период колебаний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размерная полуширина зоны застоя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нормировка скорости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Безразмерное время конечной остановки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>безразмерное время начльной остановки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Безразмерная амплитуда колебаний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конечная координата ( численно). Нажмите для аналитического расчёта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путь до конечной остановки ( численно). Нажмите для аналитического расчёта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Координата в момент остановки (численно). Нажмите для аналитического расчёта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путь к моменту остановки (численно). Нажмите для аналитического расчёта</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dryfriction::CommandLine</name>
    <message>
        <source>Использование: dryfriction [--help] [--version] [ключи Qt]

Моделирование колебаний груза на горизонтальной пружине при сухом (кулоновом)
трении: анимация движения, графики координаты, скорости, энергии и пути
в зависимости от времени и фазовый портрет.

  -h, --help   вывести эту справку и выйти
  --version    вывести версию программы и выйти

Остальные ключи принимает Qt (например, -platform или -style).
Справочные документы меню «Файл» и «Помощь» ищутся в текущей папке,
затем в папке ../share/dryfriction/docs рядом с программой, а у программы,
собранной из исходных текстов, ещё и в папке docs её дерева сборки.
Те же числа для таблиц и скриптов выводит программа dryfriction-table.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата выпуска: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удалось вывести результат</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dryfriction::MainWindow</name>
    <message>
        <source>Моделирование колебаний при сухом трении</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Замедление времени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При работе размер окна изменить нельзя!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы абсолютно уверены?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dryfriction::ParameterPanel</name>
    <message>
        <source>m(кг)=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масса груза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> к(Н/м)=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент жёсткости пружины</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>μ=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент трения скольжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>коэффициент трения скольжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Xo=xo/a=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начальная координата (безразмерная)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vo/Va=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начальная скорость (безразмерная)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t расч.=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время расчёта (,безразмерное)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время расчета (безразмерное)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры задачи</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dryfriction::ProgramMenus</name>
    <message>
        <source>&amp;Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кулон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Амонтон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инструкция</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Управление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Авторы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» не найден в папке
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» не найден в папках
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа моделирует колебания при сухом трении</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>История версий:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Государственной регистрации программа не проходила.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Движение груза рассчитывается в замкнутой форме,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в безразмерных координате, скорости и времени.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О ПРОГРАММЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить график…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать график</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить данные…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лабораторная работа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1» из папки
%2
Нет программы для его просмотра, или она не смогла его открыть.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>версия %1, %2, Linux и другие системы с Qt 6; учебная программа; написана участниками проекта dryfriction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файлов данных программа не читает. Записывает она только по команде пользователя и туда, куда он укажет: «Сохранить график…» — в PNG, SVG или PDF, «Сохранить данные…» — отсчёты расчёта в CSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Окно сохранения помнит свою последнюю папку в файле
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справочные документы ищутся в папке:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справочные документы ищутся в папках:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dryfriction::ResultExport</name>
    <message>
        <source>изображение не удалось построить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить файл
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изображение PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отсчёты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл
%1
уже существует. Заменить его?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dryfriction::RunControls</name>
    <message>
        <source>ПУСК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запуск установки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПАУЗА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пауза (P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Момент расчёта: ←, → — шаг, PgUp, PgDn — остановки, Home, End — начало и конец</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время: безразмерное и в секундах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СТОП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>остановка установки (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ДАЛЬШЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>продолжить (P)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dryfriction::ViewChooser</name>
    <message>
        <source>графики</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
