<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>CatalogueFormat</name>
    <message>
        <source>Файл не найден</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Нет доступа к файлу</source>
        <translation>No access to the file</translation>
    </message>
    <message>
        <source>Файл занят другой программой</source>
        <translation>The file is in use by another program</translation>
    </message>
    <message>
        <source>Файл повреждён или не является таблицей</source>
        <translation>The file is damaged or is not a table</translation>
    </message>
    <message>
        <source>Таблица защищена паролем</source>
        <translation>The table is protected by a password</translation>
    </message>
    <message>
        <source>Недостаточно места на диске</source>
        <translation>Not enough space on the disc</translation>
    </message>
    <message>
        <source>Проверка формата базы данных</source>
        <translation>Checking the catalogue format</translation>
    </message>
    <message>
        <source>Создание базы данных</source>
        <translation>Creating the catalogue</translation>
    </message>
    <message>
        <source>Обновление формата базы данных</source>
        <translation>Updating the catalogue format</translation>
    </message>
    <message>
        <source><byte value="xd"/>Таблица заполнена до отказа. Сохраните данные в другой файл.</source>
        <translation><byte value="xd"/>The table is full. Save the data in another file.</translation>
    </message>
    <message>
        <source>Таблица базы данных заполнена</source>
        <translation>The catalogue table is full</translation>
    </message>
    <message>
        <source>Файл с таким именем уже существует</source>
        <translation>A file of that name already exists</translation>
    </message>
    <message>
        <source>Ошибка в условии запроса</source>
        <translation>Error in the query condition</translation>
    </message>
    <message>
        <source>Ошибка чтения или записи файла</source>
        <translation>Error reading or writing the file</translation>
    </message>
    <message>
        <source>Внутренняя ошибка ядра базы данных</source>
        <translation>Internal error of the table engine</translation>
    </message>
</context>
<context>
    <name>CommandBoundary</name>
    <message>
        <source>Недостаточно памяти для выполнения команды.</source>
        <translation>There is not enough memory to carry out the command.</translation>
    </message>
    <message>
        <source>Команда не выполнена из-за внутренней ошибки.</source>
        <translation>The command was not carried out because of an internal error.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Добавить дерево файлов...</source>
        <translation>Add File Tree...</translation>
    </message>
    <message>
        <source>Добавить дерево файлов и папок</source>
        <translation>Add a tree of files and folders</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Создать новую базу данных</source>
        <translation>Create a new catalogue</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Открыть существующую базу данных</source>
        <translation>Open an existing catalogue</translation>
    </message>
    <message>
        <source>Добавить...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>Добавить существующую базу данных к текущей</source>
        <translation>Add an existing catalogue to the current one</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить текущую базу данных</source>
        <translation>Save the current catalogue</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Сохранить текущую базу данных под новым именем</source>
        <translation>Save the current catalogue under a new name</translation>
    </message>
    <message>
        <source>Сохранить в...</source>
        <translation>Save Into...</translation>
    </message>
    <message>
        <source>Сохранить текущую базу данных добавлением в существующую</source>
        <translation>Save the current catalogue by adding it to an existing one</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Закрыть текущую базу данных</source>
        <translation>Close the current catalogue</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Выход из программы</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>Добавить подэлемент</source>
        <translation>Add Subitem</translation>
    </message>
    <message>
        <source>Добавить подэлемент в дерево</source>
        <translation>Add a subitem to the tree</translation>
    </message>
    <message>
        <source>Переименовать элемент</source>
        <translation>Rename Item</translation>
    </message>
    <message>
        <source>Переименовать элемент дерева</source>
        <translation>Rename the tree item</translation>
    </message>
    <message>
        <source>Преобразовать папку/файл</source>
        <translation>Folder/File</translation>
    </message>
    <message>
        <source>Преобразовать папку в файл или наоборот</source>
        <translation>Turn a folder into a file or a file into a folder</translation>
    </message>
    <message>
        <source>Рассчитать размер</source>
        <translation>Calculate Size</translation>
    </message>
    <message>
        <source>Рассчитать размер диска или папки по сумме размеров подэлементов</source>
        <translation>Calculate the size of a disc or folder as the sum of its subitems&apos; sizes</translation>
    </message>
    <message>
        <source>Удалить элемент(ы)...</source>
        <translation>Delete Item(s)...</translation>
    </message>
    <message>
        <source>Удалить элемент(ы) из дерева</source>
        <translation>Delete the item(s) from the tree</translation>
    </message>
    <message>
        <source>Удалить все подэлементы...</source>
        <translation>Delete All Subitems...</translation>
    </message>
    <message>
        <source>Удалить все подэлементы из дерева</source>
        <translation>Delete all subitems from the tree</translation>
    </message>
    <message>
        <source>Вставить описание</source>
        <translation>Paste Description</translation>
    </message>
    <message>
        <source>Вставить описание элемента дерева из буфера обмена</source>
        <translation>Paste the tree item&apos;s description from the clipboard</translation>
    </message>
    <message>
        <source>Копировать описание</source>
        <translation>Copy Description</translation>
    </message>
    <message>
        <source>Копировать описание элемента дерева в буфер обмена</source>
        <translation>Copy the tree item&apos;s description to the clipboard</translation>
    </message>
    <message>
        <source>Изменить описание...</source>
        <translation>Edit Description...</translation>
    </message>
    <message>
        <source>Изменить описание элемента дерева</source>
        <translation>Edit the tree item&apos;s description</translation>
    </message>
    <message>
        <source>Вырезать описание</source>
        <translation>Cut Description</translation>
    </message>
    <message>
        <source>Вырезать описание элемента дерева и поместить его в буфер обмена</source>
        <translation>Cut the tree item&apos;s description to the clipboard</translation>
    </message>
    <message>
        <source>Удалить описание</source>
        <translation>Delete Description</translation>
    </message>
    <message>
        <source>Удалить описание элемента дерева</source>
        <translation>Delete the tree item&apos;s description</translation>
    </message>
    <message>
        <source>Глобальный поиск...</source>
        <translation>Global Search...</translation>
    </message>
    <message>
        <source>Глобальный поиск в текущей базе данных</source>
        <translation>Search the whole current catalogue</translation>
    </message>
    <message>
        <source>Метка компакт-диска...</source>
        <translation>Disc Label...</translation>
    </message>
    <message>
        <source>Поиск в текущей базе данных по метке компакт-диска</source>
        <translation>Search the current catalogue by disc label</translation>
    </message>
    <message>
        <source>Полный путь...</source>
        <translation>Full Path...</translation>
    </message>
    <message>
        <source>Поиск в текущей базе данных по полному пути</source>
        <translation>Search the current catalogue by full path</translation>
    </message>
    <message>
        <source>Расширение файла...</source>
        <translation>File Extension...</translation>
    </message>
    <message>
        <source>Поиск в текущей базе данных по расширению файла</source>
        <translation>Search the current catalogue by file extension</translation>
    </message>
    <message>
        <source>Производитель...</source>
        <translation>Producer...</translation>
    </message>
    <message>
        <source>Поиск в текущей базе данных по производителю</source>
        <translation>Search the current catalogue by producer</translation>
    </message>
    <message>
        <source>Продукт...</source>
        <translation>Product...</translation>
    </message>
    <message>
        <source>Поиск в текущей базе данных по продукту</source>
        <translation>Search the current catalogue by product</translation>
    </message>
    <message>
        <source>Версия...</source>
        <translation>Version...</translation>
    </message>
    <message>
        <source>Поиск в текущей базе данных по версии</source>
        <translation>Search the current catalogue by version</translation>
    </message>
    <message>
        <source>Размер...</source>
        <translation>Size...</translation>
    </message>
    <message>
        <source>Поиск в текущей базе данных по размеру</source>
        <translation>Search the current catalogue by size</translation>
    </message>
    <message>
        <source>Описание...</source>
        <translation>Description...</translation>
    </message>
    <message>
        <source>Поиск в текущей базе данных по описанию</source>
        <translation>Search the current catalogue by description</translation>
    </message>
    <message>
        <source>Сложный поиск...</source>
        <translation>Complex Search...</translation>
    </message>
    <message>
        <source>Сложный поиск в текущей базе данных</source>
        <translation>Complex search in the current catalogue</translation>
    </message>
    <message>
        <source>Всё содержимое</source>
        <translation>Entire Catalogue</translation>
    </message>
    <message>
        <source>Режим просмотра и редактирования всей базы данных</source>
        <translation>View and edit the entire catalogue</translation>
    </message>
    <message>
        <source>Результаты поиска</source>
        <translation>Search Results</translation>
    </message>
    <message>
        <source>Режим просмотра результатов поиска в базе данных</source>
        <translation>View the results of a search in the catalogue</translation>
    </message>
    <message>
        <source>Стандартные результаты</source>
        <translation>Standard Results</translation>
    </message>
    <message>
        <source>Стандартное представление результатов поиска в виде дерева файлов</source>
        <translation>Show the search results as a tree of files</translation>
    </message>
    <message>
        <source>По производителям</source>
        <translation>By Producer</translation>
    </message>
    <message>
        <source>Иерархическое представление результатов поиска с группировкой по производителям</source>
        <translation>Show the search results as a hierarchy grouped by producer</translation>
    </message>
    <message>
        <source>В виде списка</source>
        <translation>As a List</translation>
    </message>
    <message>
        <source>Представление результатов поиска в виде списка полных путей</source>
        <translation>Show the search results as a list of full paths</translation>
    </message>
    <message>
        <source>В виде списка листьев</source>
        <translation>As a List of Leaves</translation>
    </message>
    <message>
        <source>Представление результатов поиска в виде списка оконечных элементов</source>
        <translation>Show the search results as a list of end items</translation>
    </message>
    <message>
        <source>Развернуть</source>
        <translation>Expand</translation>
    </message>
    <message>
        <source>Показать подэлементы текущего элемента дерева</source>
        <translation>Show the subitems of the current tree item</translation>
    </message>
    <message>
        <source>Развернуть все</source>
        <translation>Expand All</translation>
    </message>
    <message>
        <source>Показать все подэлементы текущего элемента дерева</source>
        <translation>Show all subitems of the current tree item</translation>
    </message>
    <message>
        <source>Свернуть</source>
        <translation>Collapse</translation>
    </message>
    <message>
        <source>Скрыть подэлементы текущего элемента дерева</source>
        <translation>Hide the subitems of the current tree item</translation>
    </message>
    <message>
        <source>Свернуть все</source>
        <translation>Collapse All</translation>
    </message>
    <message>
        <source>Скрыть все подэлементы текущего элемента дерева</source>
        <translation>Hide all subitems of the current tree item</translation>
    </message>
    <message>
        <source>Байты</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Отображение всех размеров элементов в байтах</source>
        <translation>Show all item sizes in bytes</translation>
    </message>
    <message>
        <source>Килобайты</source>
        <translation>Kilobytes</translation>
    </message>
    <message>
        <source>Отображение всех размеров элементов в килобайтах</source>
        <translation>Show all item sizes in kilobytes</translation>
    </message>
    <message>
        <source>Мегабайты</source>
        <translation>Megabytes</translation>
    </message>
    <message>
        <source>Отображение всех размеров элементов в мегабайтах</source>
        <translation>Show all item sizes in megabytes</translation>
    </message>
    <message>
        <source>Гигабайты</source>
        <translation>Gigabytes</translation>
    </message>
    <message>
        <source>Отображение всех размеров элементов в гигабайтах</source>
        <translation>Show all item sizes in gigabytes</translation>
    </message>
    <message>
        <source>Автоматически</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Автоматическое определение оптимальной единицы размера элемента</source>
        <translation>Choose the best size unit for each item automatically</translation>
    </message>
    <message>
        <source>Параметры...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Работа с параметрами программы</source>
        <translation>Work with the program&apos;s options</translation>
    </message>
    <message>
        <source>По умолчанию...</source>
        <translation>Defaults...</translation>
    </message>
    <message>
        <source>Установка значений параметров по умолчанию</source>
        <translation>Reset the options to their default values</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Содержание помощи к программе</source>
        <translation>Contents of the program&apos;s help</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Краткая информация о программе</source>
        <translation>Brief information about the program</translation>
    </message>
    <message>
        <source>Статистика каталога...</source>
        <translation>Catalogue Statistics...</translation>
    </message>
    <message>
        <source>Папки, файлы и размеры по дискам и расширениям, самые большие файлы</source>
        <translation>Folders, files and sizes by disc and extension, the largest files</translation>
    </message>
    <message>
        <source>Поиск дубликатов...</source>
        <translation>Find Duplicates...</translation>
    </message>
    <message>
        <source>Поиск файлов с одинаковыми именами и размерами</source>
        <translation>Find files with the same names and sizes</translation>
    </message>
</context>
<context>
    <name>ItemNames</name>
    <message>
        <source>Путь элемента внутри диска в каталоге не может быть длиннее %1 символов.</source>
        <translation>An item&apos;s path within its disc in the catalogue cannot be longer than %1 characters.</translation>
    </message>
</context>
<context>
    <name>LongOperation</name>
    <message>
        <source>Принудительное завершение действия может привести к потере данных.<byte value="xd"/>Вы уверены?</source>
        <translation>Stopping the operation by force may lose data.<byte value="xd"/>Are you sure?</translation>
    </message>
</context>
<context>
    <name>MainShell</name>
    <message>
        <source> (выборка) - </source>
        <translation> (search results) - </translation>
    </message>
    <message>
        <source>Выход из программы</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>База данных %1 была изменена.<byte value="xd"/>Сохранить изменения?</source>
        <translation>The catalogue %1 has been changed.<byte value="xd"/>Save the changes?</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Простой поиск</source>
        <translation>Simple search</translation>
    </message>
    <message>
        <source>Метка компакт-диска</source>
        <translation>Disc label</translation>
    </message>
    <message>
        <source>Полный путь</source>
        <translation>Full path</translation>
    </message>
    <message>
        <source>Производитель</source>
        <translation>Producer</translation>
    </message>
    <message>
        <source>Продукт</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Размер</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Поле</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>База данных открыта.

Чтобы увидеть её содержимое, выберите «Вид» → «Всё содержимое» (Ctrl+E).
Чтобы найти в ней элементы, выберите «Поиск» → «Глобальный поиск...» (Ctrl+F) или другой поиск.</source>
        <translation>The catalogue is open.

To see its contents, choose &quot;View&quot; → &quot;Entire Catalogue&quot; (Ctrl+E).
To find items in it, choose &quot;Search&quot; → &quot;Global Search...&quot; (Ctrl+F) or another search.</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Файл</source>
        <translation>F&amp;ile</translation>
    </message>
    <message>
        <source>Работа с файлами баз данных</source>
        <translation>Work with catalogue files</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Работа с деревом текущей базы данных</source>
        <translation>Work with the tree of the current catalogue</translation>
    </message>
    <message>
        <source>По&amp;иск</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Поиск в текущей базе данных</source>
        <translation>Search the current catalogue</translation>
    </message>
    <message>
        <source>Поиск по одному полю</source>
        <translation>Search by One Field</translation>
    </message>
    <message>
        <source>Поиск в текущей базе данных по одному из полей</source>
        <translation>Search the current catalogue by one of its fields</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Представление дерева базы данных</source>
        <translation>How the catalogue&apos;s tree is shown</translation>
    </message>
    <message>
        <source>Размер элементов</source>
        <translation>Item Size</translation>
    </message>
    <message>
        <source>Временная смена единицы измерения размера элементов</source>
        <translation>Change the unit of item sizes for now</translation>
    </message>
    <message>
        <source>&amp;Настройка</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Настройка особенностей программы под пользователя</source>
        <translation>Adapt the program to your needs</translation>
    </message>
    <message>
        <source>По&amp;мощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Помощь к программе</source>
        <translation>Help for the program</translation>
    </message>
    <message>
        <source>О&amp;бзор</source>
        <translation>&amp;Overview</translation>
    </message>
    <message>
        <source>Обзор текущей базы данных</source>
        <translation>An overview of the current catalogue</translation>
    </message>
</context>
<context>
    <name>OptionsDialogLogic</name>
    <message>
        <source>Загрузка параметров</source>
        <translation>Loading Options</translation>
    </message>
    <message>
        <source>Сохранение параметров</source>
        <translation>Saving Options</translation>
    </message>
    <message>
        <source>Удаление параметров</source>
        <translation>Removing Options</translation>
    </message>
    <message>
        <source>Параметры по умолчанию</source>
        <translation>Default Options</translation>
    </message>
    <message>
        <source>хранилища настроек %1</source>
        <translation>the settings store %1</translation>
    </message>
    <message>
        <source>хранилище настроек %1</source>
        <translation>the settings store %1</translation>
    </message>
    <message>
        <source>По умолчанию настройки приложения считываются в следующем порядке: сначала из хранилища настроек %1, затем, если их там затем нет, - из инициализационного файла %2; если настройки считать ниоткуда не удалось, используются настройки по умолчанию.</source>
        <translation>By default the program reads its settings in this order: first from the settings store %1, then, if they are not there, from the initialisation file %2; if the settings cannot be read from anywhere, the default settings are used.</translation>
    </message>
    <message>
        <source>Хранилище настроек %1</source>
        <translation>Settings store %1</translation>
    </message>
    <message>
        <source>Инициализационный файл %1</source>
        <translation>Initialisation file %1</translation>
    </message>
    <message>
        <source>По умолчанию рабочие папки приложения (папка с файлами баз данных, папка с файлами сложных запросов) совпадают с %1.</source>
        <translation>By default the program&apos;s working folders (the folder of catalogue files and the folder of complex query files) are %1.</translation>
    </message>
    <message>
        <source>папкой, где находится исполнимый файла приложения</source>
        <translation>the folder that holds the program&apos;s executable file</translation>
    </message>
    <message>
        <source>папкой документов пользователя</source>
        <translation>the user&apos;s documents folder</translation>
    </message>
    <message>
        <source>Были успешно установлены значения параметров по умолчанию.</source>
        <translation>The options have been set to their default values.</translation>
    </message>
    <message>
        <source>инициализационного файла </source>
        <translation>the initialisation file </translation>
    </message>
    <message>
        <source>Не удалось загрузить параметры из %1.</source>
        <translation>The options could not be loaded from %1.</translation>
    </message>
    <message>
        <source>Параметры были успешно загружены из %1.</source>
        <translation>The options have been loaded from %1.</translation>
    </message>
    <message>
        <source>инициализационный файл </source>
        <translation>the initialisation file </translation>
    </message>
    <message>
        <source>Параметры были успешно сохранены в %1.</source>
        <translation>The options have been saved to %1.</translation>
    </message>
    <message>
        <source>Не удалось сохранить параметры в %1.</source>
        <translation>The options could not be saved to %1.</translation>
    </message>
    <message>
        <source>Параметры были успешно удалены из %1.</source>
        <translation>The options have been removed from %1.</translation>
    </message>
    <message>
        <source>Не удалось удалить параметры из %1.</source>
        <translation>The options could not be removed from %1.</translation>
    </message>
    <message>
        <source>Выберите папку с файлами баз данных:</source>
        <translation>Choose the folder of catalogue files:</translation>
    </message>
    <message>
        <source>Выберите папку с файлами сложных запросов:</source>
        <translation>Choose the folder of complex query files:</translation>
    </message>
    <message>
        <source>Сейчас будут установлены значения параметров по умолчанию.<byte value="xd"/>Продолжить?</source>
        <translation>The options will now be set to their default values.<byte value="xd"/>Continue?</translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv);;Все файлы (*)</source>
        <translation>CSV tables (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл &quot;%1&quot;.<byte value="xd"/>%2</source>
        <translation>The file &quot;%1&quot; could not be saved.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>аудио</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>видео</source>
        <translation>video</translation>
    </message>
    <message>
        <source>изображения</source>
        <translation>images</translation>
    </message>
    <message>
        <source>архивы</source>
        <translation>archives</translation>
    </message>
    <message>
        <source>документы</source>
        <translation>documents</translation>
    </message>
    <message>
        <source>программы</source>
        <translation>programs</translation>
    </message>
    <message>
        <source>прочее</source>
        <translation>other</translation>
    </message>
    <message>
        <source>(без расширения)</source>
        <translation>(no extension)</translation>
    </message>
    <message>
        <source>Диск</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Папок</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Файлов</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Размер</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Расширение</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Всего</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>прочие</source>
        <translation>others</translation>
    </message>
    <message>
        <source>Поиск дубликатов</source>
        <translation>Find Duplicates</translation>
    </message>
    <message>
        <source>Только на разных дисках</source>
        <translation>Only on different discs</translation>
    </message>
    <message>
        <source>Минимальный размер:</source>
        <translation>Minimum size:</translation>
    </message>
    <message>
        <source>Найти</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Имя / диск</source>
        <translation>Name / disc</translation>
    </message>
    <message>
        <source>Путь</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Лишние байты</source>
        <translation>Wasted bytes</translation>
    </message>
    <message>
        <source>Перейти к элементу</source>
        <translation>Go to Item</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 (%2 шт.)</source>
        <translation>%1 (%2 files)</translation>
    </message>
    <message>
        <source>Групп дубликатов: %1, лишних байтов: %2</source>
        <translation>Duplicate groups: %1, wasted bytes: %2</translation>
    </message>
    <message>
        <source>Каталог изменён: нажмите «Найти»</source>
        <translation>The catalogue has changed: press &quot;Find&quot;</translation>
    </message>
    <message>
        <source>Группа,Диск,Путь,Размер,Лишние байты<byte value="xd"/>
</source>
        <translation>Group,Disc,Path,Size,Wasted bytes<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>дубликаты.csv</source>
        <translation>duplicates.csv</translation>
    </message>
    <message>
        <source>Статистика каталога</source>
        <translation>Catalogue Statistics</translation>
    </message>
    <message>
        <source>Диски</source>
        <translation>Discs</translation>
    </message>
    <message>
        <source>Расширения</source>
        <translation>Extensions</translation>
    </message>
    <message>
        <source>Крупные файлы</source>
        <translation>Largest files</translation>
    </message>
    <message>
        <source>Карта размеров</source>
        <translation>Size map</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Каталог изменён: нажмите «Обновить»</source>
        <translation>The catalogue has changed: press &quot;Refresh&quot;</translation>
    </message>
    <message>
        <source>Дисков: %1, папок: %2, файлов: %3, размер: %4</source>
        <translation>Discs: %1, folders: %2, files: %3, size: %4</translation>
    </message>
    <message>
        <source>Размер, </source>
        <translation>Size, </translation>
    </message>
    <message>
        <source>Размер дисков</source>
        <translation>Size of the discs</translation>
    </message>
    <message>
        <source>Расширения, занимающие больше всего места</source>
        <translation>Extensions that take the most space</translation>
    </message>
    <message>
        <source>диски.csv</source>
        <translation>discs.csv</translation>
    </message>
    <message>
        <source>расширения.csv</source>
        <translation>extensions.csv</translation>
    </message>
    <message>
        <source>крупные файлы.csv</source>
        <translation>largest files.csv</translation>
    </message>
</context>
<context>
    <name>QueryWords</name>
    <message>
        <source>И</source>
        <translation>AND</translation>
    </message>
    <message>
        <source>ИЛИ</source>
        <translation>OR</translation>
    </message>
    <message>
        <source>НЕ</source>
        <translation>NOT</translation>
    </message>
    <message>
        <source>[НЕ ОПРЕДЕЛЕНО]</source>
        <translation>[UNDEFINED]</translation>
    </message>
    <message>
        <source>РАВНО</source>
        <translation>EQUALS</translation>
    </message>
    <message>
        <source>СОДЕРЖИТ</source>
        <translation>CONTAINS</translation>
    </message>
    <message>
        <source>байт</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>кБ</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>МБ</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>ГБ</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Метка компакт-диска</source>
        <translation>Disc label</translation>
    </message>
    <message>
        <source>Полный путь</source>
        <translation>Full path</translation>
    </message>
    <message>
        <source>Производитель</source>
        <translation>Producer</translation>
    </message>
    <message>
        <source>Продукт</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Размер</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>SimpleSearchForms</name>
    <message>
        <source>байт</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>кБ</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>МБ</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>ГБ</source>
        <translation>GB</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source> ГБ</source>
        <translation> GB</translation>
    </message>
    <message>
        <source> МБ</source>
        <translation> MB</translation>
    </message>
    <message>
        <source> кБ</source>
        <translation> KB</translation>
    </message>
    <message>
        <source> байт</source>
        <translation> bytes</translation>
    </message>
</context>
<context>
    <name>SqlErrorText</name>
    <message>
        <source>имя файла таблицы в кавычках</source>
        <translation>the table file name in quotes</translation>
    </message>
    <message>
        <source>знак экранирования в кавычках</source>
        <translation>the escape character in quotes</translation>
    </message>
    <message>
        <source>знак сравнения, LIKE или IS</source>
        <translation>a comparison sign, LIKE or IS</translation>
    </message>
    <message>
        <source>имя поля после «.»</source>
        <translation>a field name after &quot;.&quot;</translation>
    </message>
    <message>
        <source>«(» после UPPER</source>
        <translation>&quot;(&quot; after UPPER</translation>
    </message>
    <message>
        <source>имя поля, строка или число</source>
        <translation>a field name, a string or a number</translation>
    </message>
    <message>
        <source>число после знака</source>
        <translation>a number after the sign</translation>
    </message>
    <message>
        <source>конец условия</source>
        <translation>the end of the condition</translation>
    </message>
    <message>
        <source>строка </source>
        <translation>string </translation>
    </message>
    <message>
        <source>ожидалось %1, а найдено: %2</source>
        <translation>expected %1 but found: %2</translation>
    </message>
    <message>
        <source>лишнее после условия: %1</source>
        <translation>unexpected after the condition: %1</translation>
    </message>
    <message>
        <source>неизвестное поле %1</source>
        <translation>unknown field %1</translation>
    </message>
    <message>
        <source>поле %1 лежит за пределами записи</source>
        <translation>field %1 lies outside the record</translation>
    </message>
    <message>
        <source>неверное число %1</source>
        <translation>invalid number %1</translation>
    </message>
    <message>
        <source>недопустимый символ с кодом %1</source>
        <translation>invalid character with code %1</translation>
    </message>
    <message>
        <source>недопустимый символ %1</source>
        <translation>invalid character %1</translation>
    </message>
    <message>
        <source>условие вложено слишком глубоко</source>
        <translation>the condition is nested too deeply</translation>
    </message>
    <message>
        <source>знак экранирования должен быть одним символом</source>
        <translation>the escape character must be a single character</translation>
    </message>
    <message>
        <source>UPPER применяется только к тексту</source>
        <translation>UPPER applies to text only</translation>
    </message>
    <message>
        <source>LIKE применяется только к тексту</source>
        <translation>LIKE applies to text only</translation>
    </message>
    <message>
        <source>образец LIKE должен быть строкой в кавычках</source>
        <translation>the LIKE pattern must be a string in quotes</translation>
    </message>
    <message>
        <source>сравниваются значения разных типов</source>
        <translation>values of different types are compared</translation>
    </message>
    <message>
        <source>число вне допустимых пределов</source>
        <translation>the number is out of range</translation>
    </message>
    <message>
        <source>строка не закрыта кавычкой</source>
        <translation>a string is not closed by a quote</translation>
    </message>
    <message>
        <source>неверное условие</source>
        <translation>invalid condition</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Кварнис</source>
        <translation>Qubrix</translation>
    </message>
    <message>
        <source>На компьютере не установлена Borland Database Engine (BDE).<byte value="xd"/>Приложение не сможет работать и поэтому будет закрыто.</source>
        <translation>The Borland Database Engine (BDE) is not installed on this computer.<byte value="xd"/>The program cannot work and will now close.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>О&amp;К</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Закрыть это окно</source>
        <translation>Close this window</translation>
    </message>
</context>
<context>
    <name>TAddTree</name>
    <message>
        <source><byte value="xd"/>Нет доступа к указанному ресурсу.</source>
        <translation><byte value="xd"/>The resource cannot be accessed.</translation>
    </message>
    <message>
        <source>Добавление дерева файлов</source>
        <translation>Add File Tree</translation>
    </message>
</context>
<context>
    <name>TCatalogueFiles</name>
    <message>
        <source>Проверка формата базы данных</source>
        <translation>Checking the catalogue format</translation>
    </message>
    <message>
        <source>Открытие базы данных</source>
        <translation>Opening a catalogue</translation>
    </message>
    <message>
        <source>Базы данных по компакт-дискам (*.db)|*.db|Файлы сложных запросов (*.cdq)|*.cdq|Все файлы (*.*)|*.*</source>
        <translation>Disc catalogues (*.db)|*.db|Complex queries (*.cdq)|*.cdq|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Добавление базы данных</source>
        <translation>Adding a catalogue</translation>
    </message>
    <message>
        <source>Базы данных по компакт-дискам (*.db)|*.db|Все файлы (*.*)|*.*</source>
        <translation>Disc catalogues (*.db)|*.db|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source><byte value="xd"/>Файл базы данных недоступен или имеет неверный формат.<byte value="xd"/>

Проверьте его содержимое.</source>
        <translation><byte value="xd"/>The catalogue file cannot be read or has a wrong format.<byte value="xd"/>

Check its contents.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Файл базы данных был сохранён с использованием неверного языкового драйвера, вследствие чего возможен некорректный поиск русских букв.<byte value="xd"/>

Вы хотите открыть его в режиме редактирования для сохранения с использованием правильного языкового драйвера?</source>
        <translation><byte value="xd"/>The catalogue file was saved with a wrong language driver, so searching for Russian letters may go wrong.<byte value="xd"/>

Do you want to open it for editing, so that it can be saved with the right language driver?</translation>
    </message>
    <message>
        <source>Подготовка к открытию базы данных</source>
        <translation>Preparing to open the catalogue</translation>
    </message>
    <message>
        <source>Всего записей: </source>
        <translation>Total records: </translation>
    </message>
    <message>
        <source><byte value="xd"/>Ошибка чтения базы данных.<byte value="xd"/>

</source>
        <translation><byte value="xd"/>Error reading the catalogue.<byte value="xd"/>

</translation>
    </message>
    <message>
        <source>Закрытие базы данных</source>
        <translation>Closing the catalogue</translation>
    </message>
</context>
<context>
    <name>TCatalogueSaving</name>
    <message>
        <source>Сохранение базы данных</source>
        <translation>Saving the catalogue</translation>
    </message>
    <message>
        <source>Сохранение результатов поиска</source>
        <translation>Saving the search results</translation>
    </message>
    <message>
        <source>Сохранение добавлением в базу данных</source>
        <translation>Saving into a catalogue</translation>
    </message>
    <message>
        <source>Базы данных по компакт-дискам (*.db)|*.db|Все файлы (*.*)|*.*</source>
        <translation>Disc catalogues (*.db)|*.db|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source><byte value="xd"/>Этот файл базы данных существует и доступен только для чтения.<byte value="xd"/>

Укажите другое имя файла.</source>
        <translation><byte value="xd"/>This catalogue file exists and is read-only.<byte value="xd"/>

Give another file name.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Файл базы данных уже существует.<byte value="xd"/>

Заменить его?</source>
        <translation><byte value="xd"/>The catalogue file already exists.<byte value="xd"/>

Replace it?</translation>
    </message>
    <message>
        <source><byte value="xd"/>Файл базы данных не существует.<byte value="xd"/>

Проверьте правильность указания пути и имени файла.</source>
        <translation><byte value="xd"/>The catalogue file does not exist.<byte value="xd"/>

Check the path and the file name.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Файл базы данных недоступен или имеет неверный формат.<byte value="xd"/>

Проверьте его содержимое.</source>
        <translation><byte value="xd"/>The catalogue file cannot be read or has a wrong format.<byte value="xd"/>

Check its contents.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Файл базы данных имеет старый формат, однако в процессе<byte value="xd"/>обновления его структуры произошла ошибка.<byte value="xd"/>

</source>
        <translation><byte value="xd"/>The catalogue file has an old format, and an error occurred<byte value="xd"/>while its structure was being updated.<byte value="xd"/>

</translation>
    </message>
    <message>
        <source><byte value="xd"/>

Поэтому текущая база данных не была сохранена.</source>
        <translation><byte value="xd"/>

So the current catalogue was not saved.</translation>
    </message>
    <message>
        <source>Всего записей: </source>
        <translation>Total records: </translation>
    </message>
</context>
<context>
    <name>TCatalogueWrite</name>
    <message>
        <source>Сохранение базы данных</source>
        <translation>Saving the catalogue</translation>
    </message>
    <message>
        <source>В процессе сохранения базы данных возникла ошибка.</source>
        <translation>An error occurred while saving the catalogue.</translation>
    </message>
    <message>
        <source>В процессе сохранения результатов поиска возникла ошибка.</source>
        <translation>An error occurred while saving the search results.</translation>
    </message>
    <message>
        <source>Базы данных по компакт-дискам (*.db)|*.db|Текстовые деревья (*.txt)|*.txt|Все файлы (*.*)|*.*</source>
        <translation>Disc catalogues (*.db)|*.db|Text trees (*.txt)|*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Невозможно сохранить файл базы данных из-за недостатка свободного места на диске %1.</source>
        <translation>The catalogue file cannot be saved: there is not enough free space on the disc %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Нет прав на запись в файл базы данных или в его папку.</source>
        <translation><byte value="xd"/>No permission to write the catalogue file or its folder.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Файл занят другой программой.</source>
        <translation><byte value="xd"/>The file is in use by another program.</translation>
    </message>
    <message>
        <source>Подготовка к сохранению базы данных</source>
        <translation>Preparing to save the catalogue</translation>
    </message>
    <message>
        <source>База данных %1 загружена не полностью. Если сохранить её в тот же файл, незагруженные записи будут потеряны. Сохранить?</source>
        <translation>The catalogue %1 was not loaded completely. If you save it into the same file, the records that were not loaded will be lost. Save?</translation>
    </message>
    <message>
        <source><byte value="xd"/>Файл базы данных был изменён другой программой после того, как был открыт.<byte value="xd"/>

Если сохранить, эти изменения будут потеряны. Сохранить?</source>
        <translation><byte value="xd"/>The catalogue file was changed by another program after it was opened.<byte value="xd"/>

If you save, those changes will be lost. Save?</translation>
    </message>
    <message>
        <source>Всего записей: </source>
        <translation>Total records: </translation>
    </message>
</context>
<context>
    <name>TComplexSearch</name>
    <message>
        <source>В базе данных не описан искомый продукт.</source>
        <translation>The catalogue does not describe the product you are looking for.</translation>
    </message>
    <message>
        <source>В базе данных не описан искомый продукт.<byte value="xd"/>Искать другой продукт?</source>
        <translation>The catalogue does not describe the product you are looking for.<byte value="xd"/>Search for another product?</translation>
    </message>
    <message>
        <source>Поиск в базе данных</source>
        <translation>Catalogue Search</translation>
    </message>
</context>
<context>
    <name>TDescriptionCommands</name>
    <message>
        <source>Описание в буфере обмена содержит символы, которые нельзя сохранить в базе данных.<byte value="xd"/>Вставка отменена.</source>
        <translation>The description in the clipboard contains characters that cannot be stored in the catalogue.<byte value="xd"/>Pasting cancelled.</translation>
    </message>
    <message>
        <source>Вставка описания</source>
        <translation>Paste Description</translation>
    </message>
    <message>
        <source>Редактирование описания</source>
        <translation>Editing the Description</translation>
    </message>
</context>
<context>
    <name>TEditForm</name>
    <message>
        <source>&amp;Папка</source>
        <translation>&amp;Folder</translation>
    </message>
    <message>
        <source>&amp;Отмена</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Редактирование описания</source>
        <translation>Edit Description</translation>
    </message>
    <message>
        <source>байт</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>кБ</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>МБ</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>ГБ</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Метка компакт-диска:</source>
        <translation>Disc label:</translation>
    </message>
    <message>
        <source>Полный путь:</source>
        <translation>Full path:</translation>
    </message>
    <message>
        <source>Производитель:</source>
        <translation>Producer:</translation>
    </message>
    <message>
        <source>Продукт:</source>
        <translation>Product:</translation>
    </message>
    <message>
        <source>Версия:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Описание:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Описание содержит символы, которые нельзя сохранить в базе данных.</source>
        <translation>The description contains characters that cannot be stored in the catalogue.</translation>
    </message>
</context>
<context>
    <name>TFileDialogModel</name>
    <message>
        <source>Диск</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Папка</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Файл «%1»</source>
        <translation>%1 file</translation>
    </message>
</context>
<context>
    <name>TFoundView</name>
    <message>
        <source>В результате поиска было выбрано более 100 записей базы данных.<byte value="xd"/>Вы действительно хотите увидеть эти результаты?</source>
        <translation>The search selected more than 100 records of the catalogue.<byte value="xd"/>Do you really want to see these results?</translation>
    </message>
    <message>
        <source>В результате поиска было выбрано более половины записей всей базы данных.<byte value="xd"/>Вы действительно хотите увидеть эти результаты?</source>
        <translation>The search selected more than half of all records of the catalogue.<byte value="xd"/>Do you really want to see these results?</translation>
    </message>
    <message>
        <source>Подготовка к открытию результатов поиска</source>
        <translation>Preparing to open the search results</translation>
    </message>
    <message>
        <source>Найдено записей: %1</source>
        <translation>Records found: %1</translation>
    </message>
    <message>
        <source>Открытие результатов поиска</source>
        <translation>Opening the search results</translation>
    </message>
    <message>
        <source>Изменить представление текущих результатов поиска<byte value="xd"/>(это требует повторного обращения к базе данных)?</source>
        <translation>Change the presentation of the current search results<byte value="xd"/>(this needs the catalogue to be queried again)?</translation>
    </message>
    <message>
        <source>Изменение представления результатов поиска</source>
        <translation>Changing the Presentation of Search Results</translation>
    </message>
    <message>
        <source>Поиск в базе данных</source>
        <translation>Catalogue Search</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Помощь к программе</source>
        <translation>Program Help</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вперёд</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source> - Помощь к программе</source>
        <translation> - Program Help</translation>
    </message>
    <message>
        <source>Указатель</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Искать в указателе</source>
        <translation>Search the index</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Помощь недоступна&lt;/h2&gt;&lt;p&gt;Не удалось открыть файл помощи &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Проверьте, что этот файл находится рядом с программой и доступен для чтения.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;p&gt;Check that the file lies beside the program and can be read.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TItemOperations</name>
    <message>
        <source>Проверка имени элемента</source>
        <translation>Item Name Check</translation>
    </message>
    <message>
        <source>Добавление подэлемента</source>
        <translation>Adding a Subitem</translation>
    </message>
    <message>
        <source>Новое имя элемента содержит символы, которые нельзя сохранить в базе данных.<byte value="xd"/>Переименование отменено.</source>
        <translation>The new item name contains characters that cannot be stored in the catalogue.<byte value="xd"/>Renaming cancelled.</translation>
    </message>
    <message>
        <source>Новое имя элемента имеет недопустимое значение.<byte value="xd"/>Переименование отменено.</source>
        <translation>The new item name is not valid.<byte value="xd"/>Renaming cancelled.</translation>
    </message>
    <message>
        <source>Новое имя элемента содержит недопустимые символы (\, / или управляющие символы).<byte value="xd"/>Переименование отменено.</source>
        <translation>The new item name contains characters that are not allowed (\, / or control characters).<byte value="xd"/>Renaming cancelled.</translation>
    </message>
    <message>
        <source>Вы действительно хотите перейти в режим редактирования?</source>
        <translation>Do you really want to switch to editing mode?</translation>
    </message>
    <message>
        <source>Редактирование описания</source>
        <translation>Edit Description</translation>
    </message>
    <message>
        <source>Перемещение элемента</source>
        <translation>Moving an Item</translation>
    </message>
    <message>
        <source>Преобразовать папку/файл</source>
        <translation>Folder/File</translation>
    </message>
    <message>
        <source>элемент &quot;%1&quot;</source>
        <translation>the item &quot;%1&quot;</translation>
    </message>
    <message>
        <source>выбранные элементы</source>
        <translation>the selected items</translation>
    </message>
    <message>
        <source>Вы действительно хотите удалить %1?</source>
        <translation>Do you really want to delete %1?</translation>
    </message>
    <message>
        <source>Удаление элемента</source>
        <translation>Deleting an Item</translation>
    </message>
    <message>
        <source>элемента &quot;%1&quot;</source>
        <translation>of the item &quot;%1&quot;</translation>
    </message>
    <message>
        <source>выбранных элементов</source>
        <translation>of the selected items</translation>
    </message>
    <message>
        <source>Вы действительно хотите удалить все подэлементы %1?</source>
        <translation>Do you really want to delete all subitems %1?</translation>
    </message>
    <message>
        <source>Удаление подэлементов</source>
        <translation>Deleting Subitems</translation>
    </message>
</context>
<context>
    <name>TMessageForm</name>
    <message>
        <source>Заменить, дополнить, сохранить его описание или прекратить операцию?</source>
        <translation>Replace it, complement it, keep its description, or stop the operation?</translation>
    </message>
    <message>
        <source>Элемент &quot;</source>
        <translation>The item &quot;</translation>
    </message>
    <message>
        <source>&quot; уже существует.</source>
        <translation>&quot; already exists.</translation>
    </message>
    <message>
        <source>&amp;Заменить</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>&amp;Дополнить</source>
        <translation>C&amp;omplement</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Keep</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Принять выбор для всех конфликтующих элементов</source>
        <translation>&amp;Apply this choice to all conflicting items</translation>
    </message>
    <message>
        <source>Перенос элементов</source>
        <translation>Moving Items</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source><byte value="xd"/>Файл параметров программы не удаётся прочитать: нет доступа, или это не файл параметров.<byte value="xd"/>

Программа работает с параметрами по умолчанию и не изменит этот файл при выходе.</source>
        <translation><byte value="xd"/>The program&apos;s options file cannot be read: there is no access, or it is not an options file.<byte value="xd"/>

The program works with the default options and will not change this file on exit.</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>По умолчанию положение и размеры главного окна, а также ширина его левой и правой панелей (панели дерева и панели описания) не запоминаются между запусками приложения. Вы можете отметить, хотите ли вы запоминать эти параметры.</source>
        <translation>By default the position and size of the main window, and the widths of its left and right panels (the tree panel and the description panel), are not remembered between runs of the program. You can choose to remember them.</translation>
    </message>
    <message>
        <source>Запоминать &amp;положение и размеры главного окна приложения</source>
        <translation>Remember the &amp;position and size of the program&apos;s main window</translation>
    </message>
    <message>
        <source>Запоминать &amp;ширину панели дерева (ширину панели описания)</source>
        <translation>Remember the &amp;width of the tree panel (and of the description panel)</translation>
    </message>
    <message>
        <source>По умолчанию размеры элементов базы данных отображаются так же, как и хранятся - в байтах. Вы можете выбрать другую единицу измерения размера, или разрешить определять единицу размера автоматически (так, чтобы получалось число, большее единицы).</source>
        <translation>By default item sizes in the catalogue are shown as they are stored - in bytes. You can choose another size unit, or let the unit be chosen automatically (so that the number is greater than one).</translation>
    </message>
    <message>
        <source>Единица измерения размера</source>
        <translation>Size unit</translation>
    </message>
    <message>
        <source>Байты</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Килобайты (1024 байта)</source>
        <translation>Kilobytes (1024 bytes)</translation>
    </message>
    <message>
        <source>Мегабайты (1024 кбайта)</source>
        <translation>Megabytes (1024 KB)</translation>
    </message>
    <message>
        <source>Гигабайты (1024 Мбайта)</source>
        <translation>Gigabytes (1024 MB)</translation>
    </message>
    <message>
        <source>Определять автоматически</source>
        <translation>Choose automatically</translation>
    </message>
    <message>
        <source>Отображать размер, равный нулю, как пустую строку</source>
        <translation>Show a size of zero as an empty string</translation>
    </message>
    <message>
        <source>По умолчанию результаты поиска отображаются в том же виде, что и содержимое базы данных в режиме редактирования. Вы можете выбрать другой вид представления результатов поиска.</source>
        <translation>By default search results are shown the same way as the catalogue&apos;s contents in editing mode. You can choose another way of showing the search results.</translation>
    </message>
    <message>
        <source>Представление результатов поиска</source>
        <translation>How search results are shown</translation>
    </message>
    <message>
        <source>Стандартные результаты поиска (многоуровневое дерево)</source>
        <translation>Standard search results (a tree of several levels)</translation>
    </message>
    <message>
        <source>В виде дерева с группировкой по производителям</source>
        <translation>As a tree grouped by producer</translation>
    </message>
    <message>
        <source>В виде списка полных путей элементов</source>
        <translation>As a list of the items&apos; full paths</translation>
    </message>
    <message>
        <source>В виде списка оконечных элементов</source>
        <translation>As a list of end items</translation>
    </message>
    <message>
        <source>Открытие БД с неверной кодировкой</source>
        <translation>Opening a catalogue with a wrong encoding</translation>
    </message>
    <message>
        <source>на редактирование</source>
        <translation>for editing</translation>
    </message>
    <message>
        <source>Прекращение длительной операции</source>
        <translation>Stopping a long operation</translation>
    </message>
    <message>
        <source>Удаление элементов и подэлементов</source>
        <translation>Deleting items and subitems</translation>
    </message>
    <message>
        <source>Закрытие несохранённой базы данных</source>
        <translation>Closing an unsaved catalogue</translation>
    </message>
    <message>
        <source>сохранять</source>
        <translation>save</translation>
    </message>
    <message>
        <source>Перезапись существующих файлов</source>
        <translation>Overwriting existing files</translation>
    </message>
    <message>
        <source>Обнаружение неэффективной логики</source>
        <translation>Finding ineffective logic</translation>
    </message>
    <message>
        <source>Другой поиск, если не ничего найдено</source>
        <translation>Another search when nothing was found</translation>
    </message>
    <message>
        <source>Найдено более 100 записей</source>
        <translation>More than 100 records found</translation>
    </message>
    <message>
        <source>спрашивать повторно</source>
        <translation>ask again</translation>
    </message>
    <message>
        <source>Найдено более половины всех записей</source>
        <translation>More than half of all records found</translation>
    </message>
    <message>
        <source>Редактирование результатов поиска</source>
        <translation>Editing search results</translation>
    </message>
    <message>
        <source>Изменение вида результатов поиска</source>
        <translation>Changing how search results are shown</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Место хранения</source>
        <translation>St&amp;orage</translation>
    </message>
    <message>
        <source>&amp;Рабочие папки</source>
        <translation>&amp;Folders</translation>
    </message>
    <message>
        <source>&amp;Геометрия окна</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Единица размера</source>
        <translation>Si&amp;ze Unit</translation>
    </message>
    <message>
        <source>Результаты &amp;поиска</source>
        <translation>Search &amp;Results</translation>
    </message>
    <message>
        <source>Под&amp;тверждения</source>
        <translation>Co&amp;nfirmations</translation>
    </message>
    <message>
        <source>По &amp;умолчанию</source>
        <translation>&amp;Defaults</translation>
    </message>
    <message>
        <source>&amp;Отмена</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Место хранения</source>
        <translation>Storage place</translation>
    </message>
    <message>
        <source>&amp;Загрузить</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>Папка баз данных:</source>
        <translation>Catalogue folder:</translation>
    </message>
    <message>
        <source>Выберите папку с файлами баз данных</source>
        <translation>Choose the folder of catalogue files</translation>
    </message>
    <message>
        <source>Папка сложных запросов:</source>
        <translation>Complex query folder:</translation>
    </message>
    <message>
        <source>Выберите папку с файлами сложных запросов</source>
        <translation>Choose the folder of complex query files</translation>
    </message>
    <message>
        <source>По умолчанию Вам придётся вручную подтверждать выполнение всех важных операций приложения. Вы можете отменить запрос некоторых подтверждений.</source>
        <translation>By default you have to confirm every important operation of the program. You can turn some of these confirmations off.</translation>
    </message>
    <message>
        <source>При добавлении дерева файлов описания файлов *.mp3 берутся из их тегов ID3. Программа читает и теги других форматов (FLAC, Ogg Vorbis, Opus, M4A, WMA, APE, WavPack, AIFF, WAV и других), а также теги MP3, записанные в кодировке UTF-8 или UTF-16. Вы можете отключить их чтение; тогда такие файлы описываются только по имени.</source>
        <translation>When a file tree is added, the descriptions of *.mp3 files are taken from their ID3 tags. The program also reads the tags of other formats (FLAC, Ogg Vorbis, Opus, M4A, WMA, APE, WavPack, AIFF, WAV and others) and MP3 tags written in UTF-8 or UTF-16. You can turn this reading off; such files are then described by their names only.</translation>
    </message>
    <message>
        <source>Читать теги FLAC, Ogg, M4A и других форматов</source>
        <translation>Read the tags of FLAC, Ogg, M4A and other formats</translation>
    </message>
    <message>
        <source>&amp;Добавление дерева</source>
        <translation>&amp;Adding Trees</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>As in the system</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Язык интерфейса сменится при следующем запуске программы.</source>
        <translation>The interface language changes the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>TQtFileDialogs</name>
    <message>
        <source>
Файл доступен только для чтения.
Выберите другой файл.</source>
        <translation>
The file is read-only.
Choose another file.</translation>
    </message>
</context>
<context>
    <name>TQtSaveDialog</name>
    <message>
        <source>
Файл доступен только для чтения.
Выберите другой файл.</source>
        <translation>
The file is read-only.
Choose another file.</translation>
    </message>
</context>
<context>
    <name>TQueryEditor</name>
    <message>
        <source>Запрос по компакт-дискам (*.cdq)|*.cdq|Все файлы (*.*)|*.*</source>
        <translation>Disc queries (*.cdq)|*.cdq|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Проверка запроса</source>
        <translation>Query Check</translation>
    </message>
    <message>
        <source>Загрузка сложного запроса</source>
        <translation>Loading a Complex Query</translation>
    </message>
    <message>
        <source>Сохранение сложного запроса</source>
        <translation>Saving a Complex Query</translation>
    </message>
    <message>
        <source>В дереве запроса неэффективно использован оператор %1.<byte value="xd"/>Пропустить?</source>
        <translation>The operator %1 is used ineffectively in the query tree.<byte value="xd"/>Skip it?</translation>
    </message>
    <message>
        <source>В дереве запроса неэффективно использован оператор НЕ.<byte value="xd"/>Пропустить?</source>
        <translation>The operator NOT is used ineffectively in the query tree.<byte value="xd"/>Skip it?</translation>
    </message>
    <message>
        <source>В дереве запроса не полностью определено сравнение.<byte value="xd"/>Необходимо это исправить.</source>
        <translation>A comparison in the query tree is not complete.<byte value="xd"/>It must be corrected.</translation>
    </message>
    <message>
        <source>С логической точки зрения запрос пуст,<byte value="xd"/>и поэтому он не будет выполнен.</source>
        <translation>Logically the query is empty,<byte value="xd"/>so it will not be run.</translation>
    </message>
</context>
<context>
    <name>TQueryEditorFiles</name>
    <message>
        <source><byte value="xd"/>Файл сложного запроса недоступен или имеет неверный формат.<byte value="xd"/>

Проверьте его содержимое.</source>
        <translation><byte value="xd"/>The complex query file cannot be read or has a wrong format.<byte value="xd"/>

Check its contents.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Файл сложного запроса уже существует.<byte value="xd"/>

Заменить его?</source>
        <translation><byte value="xd"/>The complex query file already exists.<byte value="xd"/>

Replace it?</translation>
    </message>
    <message>
        <source><byte value="xd"/>Запрос содержит символы, которые нельзя записать в файл сложного запроса.</source>
        <translation><byte value="xd"/>The query contains characters that cannot be written to a complex query file.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Не удалось записать файл сложного запроса.<byte value="xd"/>

</source>
        <translation><byte value="xd"/>The complex query file could not be written.<byte value="xd"/>

</translation>
    </message>
</context>
<context>
    <name>TQueryForm</name>
    <message>
        <source>Поиск в базе данных</source>
        <translation>Catalogue Search</translation>
    </message>
    <message>
        <source>&amp;Логика</source>
        <translation>&amp;Logic</translation>
    </message>
    <message>
        <source>Добавить логический элемент (Ins)</source>
        <translation>Add a logical element (Ins)</translation>
    </message>
    <message>
        <source>&amp;Сравнение</source>
        <translation>Co&amp;mparison</translation>
    </message>
    <message>
        <source>Добавить элемент сравнения (Alt+Ins)</source>
        <translation>Add a comparison element (Alt+Ins)</translation>
    </message>
    <message>
        <source>&amp;Элемент</source>
        <translation>&amp;Item</translation>
    </message>
    <message>
        <source>Удалить элемент (Del)</source>
        <translation>Delete the element (Del)</translation>
    </message>
    <message>
        <source>Л&amp;евый операнд</source>
        <translation>Le&amp;ft operand</translation>
    </message>
    <message>
        <source>О&amp;ператор</source>
        <translation>&amp;Operator</translation>
    </message>
    <message>
        <source>П&amp;равый операнд</source>
        <translation>&amp;Right operand</translation>
    </message>
    <message>
        <source>&amp;Учитывать регистр символов</source>
        <translation>Matc&amp;h case</translation>
    </message>
    <message>
        <source>Искать только</source>
        <translation>Search only</translation>
    </message>
    <message>
        <source>&amp;Компакт-диски</source>
        <translation>&amp;Discs</translation>
    </message>
    <message>
        <source>&amp;Папки</source>
        <translation>Fold&amp;ers</translation>
    </message>
    <message>
        <source>&amp;Файлы</source>
        <translation>File&amp;s</translation>
    </message>
    <message>
        <source>&amp;Новый</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Создать новый запрос (Ctrl+N)</source>
        <translation>Create a new query (Ctrl+N)</translation>
    </message>
    <message>
        <source>&amp;Загрузить...</source>
        <translation>Lo&amp;ad...</translation>
    </message>
    <message>
        <source>Загрузить запрос из файла (Ctrl+O)</source>
        <translation>Load a query from a file (Ctrl+O)</translation>
    </message>
    <message>
        <source>Со&amp;хранить...</source>
        <translation>Sa&amp;ve...</translation>
    </message>
    <message>
        <source>Сохранить запрос в файл (Ctrl+S)</source>
        <translation>Save the query to a file (Ctrl+S)</translation>
    </message>
    <message>
        <source>Проверить запрос и начать поиск</source>
        <translation>Check the query and start the search</translation>
    </message>
    <message>
        <source>&amp;Отмена</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Отменить поиск и закрыть окно</source>
        <translation>Cancel the search and close the window</translation>
    </message>
</context>
<context>
    <name>TScanForm</name>
    <message>
        <source>Добавление дерева файлов</source>
        <translation>Add File Tree</translation>
    </message>
    <message>
        <source>Элемент дерева:</source>
        <translation>Tree item:</translation>
    </message>
    <message>
        <source>Папка на диске:</source>
        <translation>Folder on disc:</translation>
    </message>
    <message>
        <source>Выберете папку для обработки</source>
        <translation>Choose the folder to add</translation>
    </message>
    <message>
        <source>&amp;Начинать добавляемое дерево с указанной папки</source>
        <translation>&amp;Start the added tree with the given folder</translation>
    </message>
    <message>
        <source>Начинать добавляемое дерево с указанной папки</source>
        <translation>Start the added tree with the given folder</translation>
    </message>
    <message>
        <source>Обрабатывать &amp;вложенные папки</source>
        <translation>Include sub&amp;folders</translation>
    </message>
    <message>
        <source>Добавлять файлы и папки не только из текущей папки,<byte value="xd"/>
но и из вложенных в неё</source>
        <translation>Add files and folders not only from this folder,<byte value="xd"/>
but also from the folders inside it</translation>
    </message>
    <message>
        <source>&amp;Добавлять не только папки, но и файлы</source>
        <translation>A&amp;dd files as well as folders</translation>
    </message>
    <message>
        <source>Добавлять не только папки, но<byte value="xd"/>
и файлы (иногда это излишне)</source>
        <translation>Add files as well as folders<byte value="xd"/>
(sometimes this is more than needed)</translation>
    </message>
    <message>
        <source>Автоматически подсчитывать &amp;размеры добавляемых элементов</source>
        <translation>Calculate the si&amp;zes of the added items automatically</translation>
    </message>
    <message>
        <source>Автоматически подсчитывать и выставлять размеры<byte value="xd"/>
добавляемых папок и файлов</source>
        <translation>Calculate and set the sizes<byte value="xd"/>
of the added folders and files automatically</translation>
    </message>
    <message>
        <source>&amp;только оконечных</source>
        <translation>&amp;end items only</translation>
    </message>
    <message>
        <source>Автоматически подсчитывать и выставлять размеры ТОЛЬКО оконечных папок и файлов<byte value="xd"/>
(суммарные размеры родительских папок не подсчитывать)</source>
        <translation>Calculate and set the sizes of end folders and files ONLY<byte value="xd"/>
(do not add up the sizes of their parent folders)</translation>
    </message>
    <message>
        <source>Автоматически указывать о&amp;писание распознаваемых продуктов</source>
        <translation>Describe recognised &amp;products automatically</translation>
    </message>
    <message>
        <source>Автоматически указывать описание папки по файлу Setup.txt,<byte value="xd"/>
файлов *.mp3 - по их ярлыкам</source>
        <translation>Describe a folder from its Setup.txt file,<byte value="xd"/>
and *.mp3 files from their tags, automatically</translation>
    </message>
    <message>
        <source>Заносить в каталог содержимое &amp;архивов</source>
        <translation>Catalogue the contents of &amp;archives</translation>
    </message>
    <message>
        <source>Добавлять под файлом архива его папки и файлы (архивы не распаковываются)</source>
        <translation>Add an archive&apos;s folders and files under the archive file (archives are not unpacked)</translation>
    </message>
    <message>
        <source>&amp;Отмена</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Выберете папку для обработки:</source>
        <translation>Choose the folder to add:</translation>
    </message>
</context>
<context>
    <name>TSearchIntForm</name>
    <message>
        <source>Точно:</source>
        <translation>Exactly:</translation>
    </message>
    <message>
        <source>От</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Поиск в базе данных</source>
        <translation>Catalogue Search</translation>
    </message>
    <message>
        <source>Введите размер продукта</source>
        <translation>Enter the product&apos;s size</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Укажите используемую единицу размера:</source>
        <translation>Choose the size unit:</translation>
    </message>
</context>
<context>
    <name>TSearchKindsWidget</name>
    <message>
        <source>&amp;Отмена</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Стандартные результаты</source>
        <translation>Standard results</translation>
    </message>
    <message>
        <source>По производителям</source>
        <translation>By producer</translation>
    </message>
    <message>
        <source>В виде списка</source>
        <translation>As a list</translation>
    </message>
    <message>
        <source>В виде списка листьев</source>
        <translation>As a list of leaves</translation>
    </message>
    <message>
        <source>Искать только</source>
        <translation>Search only</translation>
    </message>
    <message>
        <source>&amp;Компакт-диски</source>
        <translation>&amp;Discs</translation>
    </message>
    <message>
        <source>&amp;Папки</source>
        <translation>&amp;Folders</translation>
    </message>
    <message>
        <source>&amp;Файлы</source>
        <translation>F&amp;iles</translation>
    </message>
    <message>
        <source>Вид результатов:</source>
        <translation>Results view:</translation>
    </message>
</context>
<context>
    <name>TSearchRunner</name>
    <message>
        <source>В процессе выполнения запроса к базе данных возникла ошибка.</source>
        <translation>An error occurred while querying the catalogue.</translation>
    </message>
    <message>
        <source>Текст поиска содержит символы, которых не может быть в базе данных: %1<byte value="xd"/>

Измените текст поиска.</source>
        <translation>The search text contains characters that a catalogue cannot hold: %1<byte value="xd"/>

Change the search text.</translation>
    </message>
    <message>
        <source><byte value="xd"/>

Недостаточно памяти.</source>
        <translation><byte value="xd"/>

Out of memory.</translation>
    </message>
    <message>
        <source>Поиск в базе данных</source>
        <translation>Catalogue Search</translation>
    </message>
</context>
<context>
    <name>TSearchStrForm</name>
    <message>
        <source>&amp;Учитывать регистр символов</source>
        <translation>Matc&amp;h case</translation>
    </message>
    <message>
        <source>&amp;Искать как подстроку</source>
        <translation>Search as a &amp;substring</translation>
    </message>
    <message>
        <source>Поиск в базе данных</source>
        <translation>Catalogue Search</translation>
    </message>
    <message>
        <source>Учитывать регистр введённых символов</source>
        <translation>Tell capital and small letters apart in the typed text</translation>
    </message>
    <message>
        <source>Искать введённый текст как подстроку (*текст*)</source>
        <translation>Search for the typed text as a substring (*text*)</translation>
    </message>
</context>
<context>
    <name>TSimpleSearches</name>
    <message>
        <source>метку компакт-диска:</source>
        <translation>the disc label:</translation>
    </message>
    <message>
        <source>В базе данных не описан компакт-диск с меткой &quot;%1&quot;.</source>
        <translation>The catalogue does not describe a disc labelled &quot;%1&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Искать другой компакт-диск?</source>
        <translation><byte value="xd"/>Search for another disc?</translation>
    </message>
    <message>
        <source>полный путь к продукту:</source>
        <translation>the product&apos;s full path:</translation>
    </message>
    <message>
        <source>В базе данных не описан продукт с полным путём &quot;%1&quot;.</source>
        <translation>The catalogue does not describe a product with the full path &quot;%1&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Искать по другому полному пути?</source>
        <translation><byte value="xd"/>Search for another full path?</translation>
    </message>
    <message>
        <source>расширение файла продукта:</source>
        <translation>the extension of the product&apos;s file:</translation>
    </message>
    <message>
        <source>В базе данных не описан файл продукта с расширением &quot;%1&quot;.</source>
        <translation>The catalogue does not describe a product file with the extension &quot;%1&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Искать по другому расширению?</source>
        <translation><byte value="xd"/>Search for another extension?</translation>
    </message>
    <message>
        <source>наименование производителя:</source>
        <translation>the producer&apos;s name:</translation>
    </message>
    <message>
        <source>В базе данных не описан продукт, произведённый &quot;%1&quot;.</source>
        <translation>The catalogue does not describe a product made by &quot;%1&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Искать по другому производителю?</source>
        <translation><byte value="xd"/>Search for another producer?</translation>
    </message>
    <message>
        <source>название продукта:</source>
        <translation>the product&apos;s name:</translation>
    </message>
    <message>
        <source>В базе данных не описан продукт под названием &quot;%1&quot;.</source>
        <translation>The catalogue does not describe a product named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Искать другой продукт?</source>
        <translation><byte value="xd"/>Search for another product?</translation>
    </message>
    <message>
        <source>версию продукта:</source>
        <translation>the product&apos;s version:</translation>
    </message>
    <message>
        <source>В базе данных не описан продукт версии &quot;%1&quot;.</source>
        <translation>The catalogue does not describe a product of version &quot;%1&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Искать по другой версии?</source>
        <translation><byte value="xd"/>Search for another version?</translation>
    </message>
    <message>
        <source>описание продукта:</source>
        <translation>the product&apos;s description:</translation>
    </message>
    <message>
        <source>В базе данных нет продукта, описанного как &quot;%1&quot;.</source>
        <translation>The catalogue has no product described as &quot;%1&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Искать по другому описанию?</source>
        <translation><byte value="xd"/>Search for another description?</translation>
    </message>
    <message>
        <source>Введите строку для поиска:</source>
        <translation>Enter the text to search for:</translation>
    </message>
    <message>
        <source>В базе данных не содержится строка &quot;%1&quot;.</source>
        <translation>The catalogue does not contain the text &quot;%1&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Искать другую строку?</source>
        <translation><byte value="xd"/>Search for another text?</translation>
    </message>
    <message>
        <source>Введите </source>
        <translation>Enter </translation>
    </message>
    <message>
        <source>В базе данных не описан продукт размером от %1 до %2 %3.</source>
        <translation>The catalogue does not describe a product from %1 to %2 %3 in size.</translation>
    </message>
    <message>
        <source>В базе данных не описан продукт размером %1 %2.</source>
        <translation>The catalogue does not describe a product of %1 %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Искать продукт другого размера?</source>
        <translation><byte value="xd"/>Search for a product of another size?</translation>
    </message>
    <message>
        <source>Поиск в базе данных</source>
        <translation>Catalogue Search</translation>
    </message>
</context>
<context>
    <name>TSkipReport</name>
    <message>
        <source><byte value="xd"/>Первые %1:</source>
        <translation><byte value="xd"/>The first %1:</translation>
    </message>
    <message>
        <source><byte value="xd"/>Список:</source>
        <translation><byte value="xd"/>List:</translation>
    </message>
    <message>
        <source>%1 (элементов архива: %2)</source>
        <translation>%1 (archive items: %2)</translation>
    </message>
    <message>
        <source>Не добавлено в каталог элементов: %1.<byte value="xd"/>Их имена нельзя сохранить в каталоге (символ \, управляющие или неподдерживаемые символы) или повторяют имена соседних элементов без учёта регистра букв.<byte value="xd"/></source>
        <translation>Items not added to the catalogue: %1.<byte value="xd"/>Their names cannot be stored in the catalogue (the \ character, control or unsupported characters) or repeat the names of neighbouring items when letter case is ignored.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Не добавлено в каталог особых элементов: %1.<byte value="xd"/>Это ссылки на папки, ссылки, ведущие в никуда, каналы, сокеты и устройства.<byte value="xd"/></source>
        <translation>Special items not added to the catalogue: %1.<byte value="xd"/>These are links to folders, links that lead nowhere, pipes, sockets and devices.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Архивов, содержимое которых не удалось прочитать: %1.<byte value="xd"/>Они повреждены, зашифрованы или их формат не поддерживается; в каталог они занесены без содержимого.<byte value="xd"/></source>
        <translation>Archives whose contents could not be read: %1.<byte value="xd"/>They are damaged, encrypted or in an unsupported format; they were catalogued without their contents.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Архивов, содержимое которых занесено не полностью: %1.<byte value="xd"/>В них слишком много элементов; занесены только первые.<byte value="xd"/></source>
        <translation>Archives whose contents were catalogued only in part: %1.<byte value="xd"/>They hold too many items; only the first ones were catalogued.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Не добавлено в каталог, так как исчезло во время обхода: %1.<byte value="xd"/>Эти файлы и папки были удалены или переименованы, пока диск просматривался.<byte value="xd"/></source>
        <translation>Not added to the catalogue because they vanished during the scan: %1.<byte value="xd"/>These files and folders were deleted or renamed while the disc was being read.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Папок, содержимое которых не удалось прочитать: %1.<byte value="xd"/>В каталог они занесены без содержимого.<byte value="xd"/></source>
        <translation>Folders whose contents could not be read: %1.<byte value="xd"/>They are in the catalogue without their contents.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Файлов, которые не удалось прочитать: %1.<byte value="xd"/>В каталог они занесены без распознанного описания.<byte value="xd"/></source>
        <translation>Files that could not be read: %1.<byte value="xd"/>They are in the catalogue without a recognised description.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Не добавлено в каталог элементов со слишком длинным путём: %1.<byte value="xd"/>Путь элемента внутри диска в каталоге не может быть длиннее %2 символов.<byte value="xd"/></source>
        <translation>Items not added to the catalogue because their path is too long: %1.<byte value="xd"/>The path of an item inside a disc in the catalogue cannot be longer than %2 characters.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>VersionInfo</name>
    <message>
        <source><byte value="xd"/>Версия </source>
        <translation><byte value="xd"/>Version </translation>
    </message>
    <message>
        <source>Кварнис</source>
        <translation>Qubrix</translation>
    </message>
    <message>
        <source>Кварнис - каталог компакт-дисков, дисков и папок</source>
        <translation>Qubrix - a catalogue of discs, drives and folders</translation>
    </message>
</context>
<context>
    <name>qubrix-cli</name>
    <message>
        <source>неизвестный параметр «--</source>
        <translation>unknown option «--</translation>
    </message>
    <message>
        <source>параметр «--</source>
        <translation>option «--</translation>
    </message>
    <message>
        <source>» не принимает значения</source>
        <translation>» takes no value</translation>
    </message>
    <message>
        <source>параметру «--</source>
        <translation>option «--</translation>
    </message>
    <message>
        <source>» не хватает значения</source>
        <translation>» needs a value</translation>
    </message>
    <message>
        <source>неверный размер «</source>
        <translation>invalid size «</translation>
    </message>
    <message>
        <source>слишком большой размер «</source>
        <translation>size too large «</translation>
    </message>
    <message>
        <source>не удалось запустить ядро базы данных</source>
        <translation>the database engine could not be started</translation>
    </message>
    <message>
        <source>: файл не найден</source>
        <translation>: file not found</translation>
    </message>
    <message>
        <source>: это папка, а не база данных</source>
        <translation>: this is a folder, not a catalogue</translation>
    </message>
    <message>
        <source>: нет доступа к файлу</source>
        <translation>: no access to the file</translation>
    </message>
    <message>
        <source>: файл не является базой данных по компакт-дискам</source>
        <translation>: the file is not a disc catalogue</translation>
    </message>
    <message>
        <source>: файл занят другой программой</source>
        <translation>: the file is in use by another program</translation>
    </message>
    <message>
        <source>не указан каталог: --into КАТАЛОГ.db</source>
        <translation>no catalogue given: --into CATALOGUE.db</translation>
    </message>
    <message>
        <source>: папка не найдена</source>
        <translation>: folder not found</translation>
    </message>
    <message>
        <source>неизвестный ответ «</source>
        <translation>unknown answer «</translation>
    </message>
    <message>
        <source>» для --on-conflict (keep, complement, overwrite или fail)</source>
        <translation>» for --on-conflict (keep, complement, overwrite or fail)</translation>
    </message>
    <message>
        <source>: ошибка чтения базы данных: </source>
        <translation>: error reading the catalogue: </translation>
    </message>
    <message>
        <source>«%1» уже есть в каталоге; каталог не изменён (ответ на совпадение имён: --on-conflict keep, complement или overwrite)</source>
        <translation>&quot;%1&quot; is already in the catalogue; the catalogue is unchanged (the answer to a name clash: --on-conflict keep, complement or overwrite)</translation>
    </message>
    <message>
        <source>: файл изменён другой программой во время работы; каталог не сохранён</source>
        <translation>: the file was changed by another program meanwhile; the catalogue was not saved</translation>
    </message>
    <message>
        <source>: не удалось сохранить каталог: </source>
        <translation>: the catalogue could not be saved: </translation>
    </message>
    <message>
        <source>%1: %2 × %3, лишние %4
</source>
        <translation>%1: %2 × %3, %4 redundant
</translation>
    </message>
    <message>
        <source>Групп: %1, лишние: %2 (%3 байт)
</source>
        <translation>Groups: %1, redundant: %2 (%3 bytes)
</translation>
    </message>
    <message>
        <source>нужен один аргумент: КАТАЛОГ</source>
        <translation>one argument needed: CATALOGUE</translation>
    </message>
    <message>
        <source>нужен хотя бы один аргумент: КАТАЛОГ</source>
        <translation>at least one argument needed: CATALOGUE</translation>
    </message>
    <message>
        <source>неизвестный формат «</source>
        <translation>unknown format «</translation>
    </message>
    <message>
        <source>» (text, tsv или json)</source>
        <translation>» (text, tsv or json)</translation>
    </message>
    <message>
        <source>0 байт</source>
        <translation>0 bytes</translation>
    </message>
    <message>
        <source>в каталоге нет элемента «%1»</source>
        <translation>the catalogue has no item &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--terminal-sizes и --all-sizes исключают друг друга</source>
        <translation>--terminal-sizes and --all-sizes exclude each other</translation>
    </message>
    <message>
        <source>метку «</source>
        <translation>the label «</translation>
    </message>
    <message>
        <source>» нельзя сохранить в каталоге</source>
        <translation>» cannot be stored in the catalogue</translation>
    </message>
    <message>
        <source>нужен один аргумент: ПАПКА</source>
        <translation>one argument needed: FOLDER</translation>
    </message>
    <message>
        <source>: это не папка</source>
        <translation>: not a folder</translation>
    </message>
    <message>
        <source>: нет доступа к папке</source>
        <translation>: no access to the folder</translation>
    </message>
    <message>
        <source>: нет доступа; каталог не изменён</source>
        <translation>: no access; the catalogue is unchanged</translation>
    </message>
    <message>
        <source>неизвестное поле «</source>
        <translation>unknown field «</translation>
    </message>
    <message>
        <source>неизвестный вид «</source>
        <translation>unknown kind «</translation>
    </message>
    <message>
        <source>в --kinds не выбран ни один вид</source>
        <translation>--kinds chooses no kind</translation>
    </message>
    <message>
        <source>неизвестное представление «</source>
        <translation>unknown presentation «</translation>
    </message>
    <message>
        <source>: файл сложного запроса недоступен или имеет неверный формат</source>
        <translation>: the complex query file cannot be read or has a wrong format</translation>
    </message>
    <message>
        <source>: в запросе не полностью определено сравнение</source>
        <translation>: a comparison in the query is not complete</translation>
    </message>
    <message>
        <source>: с логической точки зрения запрос пуст</source>
        <translation>: logically the query is empty</translation>
    </message>
    <message>
        <source>ошибка в условии --sql: </source>
        <translation>error in the --sql condition: </translation>
    </message>
    <message>
        <source>ошибка в условии --sql в позиции %1: %2</source>
        <translation>error in the --sql condition at position %1: %2</translation>
    </message>
    <message>
        <source>текст поиска содержит символы, которых не может быть в базе данных</source>
        <translation>the search text holds characters that a catalogue cannot hold</translation>
    </message>
    <message>
        <source>ошибка запроса к базе данных: </source>
        <translation>catalogue query error: </translation>
    </message>
    <message>
        <source>--size, --size-range, --sql и --query исключают друг друга</source>
        <translation>--size, --size-range, --sql and --query exclude each other</translation>
    </message>
    <message>
        <source>--field, --case и --exact относятся только к поиску текста</source>
        <translation>--field, --case and --exact apply to a text search only</translation>
    </message>
    <message>
        <source>нужны два аргумента: КАТАЛОГ ТЕКСТ</source>
        <translation>two arguments needed: CATALOGUE TEXT</translation>
    </message>
    <message>
        <source>--view задаёт вид текстового вывода; tsv и json дают записи списком</source>
        <translation>--view shapes the text output; tsv and json give the records as a list</translation>
    </message>
    <message>
        <source>в --size-range ОТ больше ДО</source>
        <translation>in --size-range FROM is greater than TO</translation>
    </message>
    <message>
        <source>пустой текст поиска</source>
        <translation>empty search text</translation>
    </message>
    <message>
        <source>Дисков: %1, папок: %2, файлов: %3, размер: %4 (%5 байт)
</source>
        <translation>Discs: %1, folders: %2, files: %3, size: %4 (%5 bytes)
</translation>
    </message>
    <message>
        <source>Диск</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Папок</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Файлов</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Размер</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Самые большие файлы</source>
        <translation>Largest files</translation>
    </message>
    <message>
        <source>Расширение</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>(нет)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>в каталоге нет диска с меткой «%1»</source>
        <translation>the catalogue has no disc labelled &quot;%1&quot;</translation>
    </message>
    <message>
        <source>не указана команда</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>неизвестная команда «</source>
        <translation>unknown command «</translation>
    </message>
    <message>
        <source>не удалось вывести результат</source>
        <translation>the result could not be written</translation>
    </message>
    <message>
        <source> (подробнее: qubrix-cli --help)</source>
        <translation> (more: qubrix-cli --help)</translation>
    </message>
    <message>
        <source>недостаточно памяти</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source><byte value="xd"/>Просмотрено элементов: %1</source>
        <translation><byte value="xd"/>Items looked at: %1</translation>
    </message>
    <message>
        <source>: нет прав на запись в папку</source>
        <translation>: no permission to write into the folder</translation>
    </message>
    <message>
        <source>: нет прав на запись в файл</source>
        <translation>: no permission to write the file</translation>
    </message>
    <message>
        <source>; каталог не сохранён</source>
        <translation>; the catalogue was not saved</translation>
    </message>
    <message>
        <source>Использование: qubrix-cli КОМАНДА [ПАРАМЕТРЫ]
Каталог компакт-дисков (*.db) из командной строки.

Команды:
  search КАТАЛОГ ТЕКСТ   найти записи, содержащие текст (во всех полях)
      --field ПОЛЕ       искать в одном поле: label, path, ext, producer,
                         product, version, description
      --size N[ЕД]       записи размером ровно N (ЕД: b, k, m, g; без ТЕКСТА)
      --size-range ОТ ДО записи размером от ОТ до ДО (без ТЕКСТА)
      --case             различать прописные и строчные буквы
      --exact            текст совпадает с полем целиком
                         (--field, --case, --exact - только с ТЕКСТОМ)
      --kinds СПИСОК     только discs, folders, files (через запятую)
      --sql УСЛОВИЕ      условие WHERE на языке запросов (без ТЕКСТА)
      --query ФАЙЛ.cdq   выполнить сохранённый сложный запрос (без ТЕКСТА)
      --view ВИД         вывести дерево результатов: standard, producer,
                         list или leaf (только для вывода text)
      --format ФОРМАТ    text (по умолчанию), tsv или json
  tree КАТАЛОГ           текстовое дерево каталога (табуляции по уровням)
      --disc МЕТКА       только один диск
  stats КАТАЛОГ          папки, файлы и байты по дискам и всего,
                         10 самых больших файлов, 15 самых объёмных расширений
      --format ФОРМАТ    text (по умолчанию), tsv или json
  dupes КАТАЛОГ          файлы с одинаковым именем (без учёта регистра)
                         и размером, больше всего лишних байт - первыми
      --min-size N[ЕД]   только файлы не меньше N (по умолчанию 1 байт)
      --across-discs     только копии на разных дисках
      --format ФОРМАТ    text (по умолчанию), tsv или json
  scan ПАПКА --into КАТАЛОГ
                         добавить дерево файлов папки в каталог (новый
                         или существующий) и сохранить его
      --under ПУТЬ       добавить под элемент каталога (МЕТКА\папка)
      --label МЕТКА      имя добавляемого узла (иначе метка тома или имя папки)
      --no-top-node      не создавать узел для самой папки
      --files-top-only   файлы только из самой папки, из вложенных - папки
      --no-files         только папки
      --no-sizes         не заносить размеры
      --terminal-sizes   размеры только оконечных элементов (по умолчанию)
      --all-sizes        размеры и папок
      --no-recognise     не распознавать SETUP.TXT и медиафайлы
      --no-extra-tags    не читать теги FLAC, Ogg, M4A и других форматов
      --archives         заносить содержимое архивов
      --keep-going       не останавливаться на нечитаемых файлах и папках:
                         файлы заносятся без распознавания, папки - без
                         содержимого; код возврата 1, если что-то не занесено
      --on-conflict ОТВЕТ  если элемент уже есть: keep, complement,
                         overwrite или fail (по умолчанию: ничего не менять)
  merge КАТАЛОГ... --into КАТАЛОГ
                         объединить каталоги (и КАТАЛОГ после --into, если
                         он есть) в КАТАЛОГ после --into
      --on-conflict ОТВЕТ  как у scan

  --help                 показать эту справку
  --version              показать версию

Код возврата: 0 - найдено, 1 - ничего не найдено (search, dupes), 2 - ошибка.
</source>
        <translation>Usage: qubrix-cli COMMAND [OPTIONS]
A catalogue of discs (*.db) from the command line.

Commands:
  search CATALOGUE TEXT  find the records that contain the text (in any field)
      --field FIELD      search one field: label, path, ext, producer,
                         product, version, description
      --size N[UNIT]     records of exactly N (UNIT: b, k, m, g; no TEXT)
      --size-range FROM TO records from FROM to TO in size (no TEXT)
      --case             tell capital and small letters apart
      --exact            the text matches the whole field
                         (--field, --case, --exact - with TEXT only)
      --kinds LIST       only discs, folders, files (comma-separated)
      --sql CONDITION    a WHERE condition in the query language (no TEXT)
      --query FILE.cdq   run a saved complex query (no TEXT)
      --view VIEW        print the result tree: standard, producer,
                         list or leaf (text output only)
      --format FORMAT    text (the default), tsv or json
  tree CATALOGUE         the catalogue as a text tree (a tab per level)
      --disc LABEL       one disc only
  stats CATALOGUE        folders, files and bytes per disc and in total,
                         the 10 largest files, the 15 largest extensions
      --format FORMAT    text (the default), tsv or json
  dupes CATALOGUE        files with the same name (ignoring case) and size,
                         the most redundant bytes first
      --min-size N[UNIT] only files of at least N (the default: 1 byte)
      --across-discs     only copies on different discs
      --format FORMAT    text (the default), tsv or json
  scan FOLDER --into CATALOGUE
                         add the folder&apos;s file tree to the catalogue (new
                         or existing) and save it
      --under PATH       add under an item of the catalogue (LABEL\folder)
      --label LABEL      the name of the added node (else the volume label
                         or the folder&apos;s name)
      --no-top-node      no node for the folder itself
      --files-top-only   files from the folder itself only, folders from below
      --no-files         folders only
      --no-sizes         no sizes
      --terminal-sizes   sizes of end items only (the default)
      --all-sizes        sizes of folders too
      --no-recognise     do not recognise SETUP.TXT and media files
      --no-extra-tags    do not read the tags of FLAC, Ogg, M4A and other formats
      --archives         catalogue the contents of archives
      --keep-going       do not stop at unreadable files and folders:
                         files are catalogued without recognition, folders
                         without contents; exit status 1 if anything is left out
      --on-conflict ANSWER  when an item exists: keep, complement,
                         overwrite or fail (the default: change nothing)
  merge CATALOGUE... --into CATALOGUE
                         merge the catalogues (and the CATALOGUE after --into,
                         if it exists) into the CATALOGUE after --into
      --on-conflict ANSWER  as for scan

  --help                 show this help
  --version              show the version

Exit status: 0 - found, 1 - nothing found (search, dupes), 2 - error.
</translation>
    </message>
</context>
</TS>
